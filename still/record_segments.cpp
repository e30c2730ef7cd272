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

// Whether an APP1 segment's payload starts with the identifier and its terminating zero.
template <std::size_t size>
bool Carries(const std::string& segment, const char (&identifier)[size]) {
    return segment.size() >= 4 + size && segment.compare(4, size, identifier, size) == 0;
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

std::vector<std::string> DisagreeingCopies(const std::vector<std::string>& application1,
                                           const ExportRecord& record) {
    const std::string exif = ExifSegment(record);
    const std::string xmp = XmpSegment(record);
    std::vector<std::string> disagreeing;
    for (const std::string& segment : application1) {
        if (Carries(segment, kExifIdentifier) && segment != exif) {
            disagreeing.push_back("EXIF");
        } else if (Carries(segment, kXmpIdentifier) && segment != xmp) {
            disagreeing.push_back("XMP");
        }
    }
    return disagreeing;
}
