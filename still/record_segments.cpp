#include "record_segments.h"

#include "exif_segment.h"
#include "jpeg_comment.h"
#include "jpeg_markers.h"
#include "xmp_segment.h"

namespace {

using namespace jpeg;

// What a JFIF header's payload starts with, its terminating zero included.
const char kJfifIdentifier[] = "JFIF";

// Where the segment after the JFIF header starts, or right after the start marker when the
// encoder wrote none.
std::size_t AfterJfifHeader(const std::string& jpeg) {
    constexpr std::size_t kHeader = 2;
    if (jpeg.size() < kHeader + 4 + sizeof kJfifIdentifier ||
        MarkerAt(jpeg, kHeader) != JpegMarker::kPrefix ||
        MarkerAt(jpeg, kHeader + 1) != JpegMarker::kFirstApplication ||
        jpeg.compare(kHeader + 4, sizeof kJfifIdentifier, kJfifIdentifier,
                     sizeof kJfifIdentifier) != 0) {
        return kHeader;
    }
    std::size_t end = kHeader + 2 + SegmentLength(jpeg, kHeader);
    return end <= jpeg.size() ? end : kHeader;
}

} // namespace

bool InsertRecordSegments(const std::string& jpeg, const ExportRecord& record, std::string* result,
                          StillRules rules) {
    if (rules == StillRules::kFirstRecord) {
        return InsertJpegComment(jpeg, ProvenanceText(record, rules), result);
    }
    std::string exif = ExifSegment(record, rules);
    std::string xmp = XmpSegment(record);
    std::string withComment;
    if (exif.empty() || xmp.empty() ||
        !InsertJpegComment(jpeg, ProvenanceText(record, rules), &withComment)) {
        return false;
    }
    std::size_t at = AfterJfifHeader(withComment);
    *result = withComment.substr(0, at) + exif + xmp + withComment.substr(at);
    return true;
}
