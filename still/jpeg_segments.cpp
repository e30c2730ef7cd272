#include "jpeg_segments.h"

#include <utility>

namespace {

using namespace jpeg;

bool StandsAlone(unsigned char marker) {
    return marker == MarkerByte(JpegMarker::kStuffedZero) ||
           marker == MarkerByte(JpegMarker::kTemporary) ||
           marker == MarkerByte(JpegMarker::kPrefix) ||
           (marker >= MarkerByte(JpegMarker::kFirstRestart) &&
            marker <= MarkerByte(JpegMarker::kLastRestart));
}

// Where the scan that starts at `at` ends, just past the end marker; npos if it has none.
std::size_t ScanEnd(const std::string& jpeg, std::size_t at) {
    std::size_t size = jpeg.size();
    while (at + 1 < size) {
        if (ByteAt(jpeg, at) != MarkerByte(JpegMarker::kPrefix) ||
            StandsAlone(ByteAt(jpeg, at + 1))) {
            ++at;
            continue;
        }
        if (MarkerAt(jpeg, at + 1) == JpegMarker::kEndOfImage) {
            return at + 2;
        }
        // Tables or another scan's header: skipped whole, so their bytes are not read as markers.
        if (at + 4 > size || SegmentLength(jpeg, at) < 2) {
            return std::string::npos;
        }
        at += 2 + SegmentLength(jpeg, at);
    }
    return std::string::npos;
}

} // namespace

bool ReadJpegFile(const std::string& jpeg, JpegFile* file) {
    std::size_t size = jpeg.size();
    if (size < 4 || MarkerAt(jpeg, 0) != JpegMarker::kPrefix ||
        MarkerAt(jpeg, 1) != JpegMarker::kStartOfImage) {
        return false;
    }
    JpegFile result;
    std::size_t at = 2;
    while (true) {
        if (at + 4 > size || MarkerAt(jpeg, at) != JpegMarker::kPrefix) {
            return false;
        }
        JpegMarker marker = MarkerAt(jpeg, at + 1);
        std::size_t length = SegmentLength(jpeg, at);
        if (length < 2 || at + 2 + length > size) {
            return false;
        }
        std::size_t end = at + 2 + length;
        if (marker == JpegMarker::kStartOfScan) {
            end = ScanEnd(jpeg, end);
            if (end == std::string::npos) {
                return false;
            }
        }
        result.pieces.push_back({marker, jpeg.substr(at, end - at)});
        at = end;
        if (marker == JpegMarker::kStartOfScan) {
            break;
        }
    }
    result.trailing = jpeg.substr(at);
    *file = std::move(result);
    return true;
}

std::string RecordComment(const JpegFile& file) {
    for (auto piece = file.pieces.rbegin(); piece != file.pieces.rend(); ++piece) {
        if (piece->marker == JpegMarker::kComment) {
            return piece->bytes.substr(4);
        }
    }
    return std::string();
}
