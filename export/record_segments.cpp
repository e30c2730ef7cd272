#include "record_segments.h"

#include "exif_segment.h"
#include "jpeg_comment.h"
#include "xmp_segment.h"

namespace {

// A segment's length field counts itself.
constexpr std::size_t kLargestPayload = 0xFFFF - 2;
const char kJfifStart[] = {'\xFF', '\xE0', '\0', '\0', 'J', 'F', 'I', 'F', '\0'};

// Where the segment after the JFIF header starts, or right after the start marker when the
// encoder wrote none.
std::size_t AfterJfifHeader(const std::string& jpeg) {
    if (jpeg.size() < 2 + sizeof kJfifStart || jpeg.compare(2, 2, kJfifStart, 2) != 0 ||
        jpeg.compare(6, 5, kJfifStart + 4, 5) != 0) {
        return 2;
    }
    std::size_t length =
        (static_cast<unsigned char>(jpeg[4]) << 8) | static_cast<unsigned char>(jpeg[5]);
    return 2 + 2 + length <= jpeg.size() ? 2 + 2 + length : 2;
}

} // namespace

std::string Application1Segment(const std::string& payload) {
    if (payload.size() > kLargestPayload) {
        return std::string();
    }
    std::size_t length = payload.size() + 2;
    return std::string{'\xFF', '\xE1', static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           payload;
}

bool InsertRecordSegments(const std::string& jpeg, const ExportRecord& record,
                          std::string* result) {
    std::string exif = ExifSegment(record);
    std::string xmp = XmpSegment(record);
    std::string withComment;
    if (exif.empty() || xmp.empty() ||
        !InsertJpegComment(jpeg, ProvenanceText(record), &withComment)) {
        return false;
    }
    std::size_t at = AfterJfifHeader(withComment);
    *result = withComment.substr(0, at) + exif + xmp + withComment.substr(at);
    return true;
}
