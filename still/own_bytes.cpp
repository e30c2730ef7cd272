#include "own_bytes.h"

#include "jpeg_segments.h"

namespace {

bool IsApplication(JpegMarker marker) {
    return marker >= JpegMarker::kFirstApplication && marker <= JpegMarker::kLastApplication;
}

// A JFIF 1.01 header in dots per inch, without a thumbnail.
std::string JfifHeader() {
    std::string header("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x01\x00\x00\x00\x00\x00\x00", 18);
    header[13] = header[15] = static_cast<char>(kStillDotsPerInch);
    return header;
}

} // namespace

bool KeepOwnBytes(const std::string& encoded, std::string* own) {
    JpegFile file;
    if (!ReadJpegFile(encoded, &file)) {
        return false;
    }
    // The encoder's own JFIF header goes with the rest: ours says the same but for the density.
    std::string result = std::string("\xFF\xD8", 2) + JfifHeader();
    for (const JpegPiece& piece : file.pieces) {
        if (!IsApplication(piece.marker)) {
            result += piece.bytes;
        }
    }
    *own = result + file.trailing;
    return true;
}
