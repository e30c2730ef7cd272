#include "jpeg_comment.h"

#include "jpeg_segment_writer.h"

namespace {

using namespace jpeg;

// Where the first segment that is not an application segment starts; npos if the segments
// run past the end.
std::size_t AfterApplicationSegments(const std::string& jpeg) {
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && MarkerAt(jpeg, at) == JpegMarker::kPrefix &&
           MarkerAt(jpeg, at + 1) >= JpegMarker::kFirstApplication &&
           MarkerAt(jpeg, at + 1) <= JpegMarker::kLastApplication) {
        std::size_t length = SegmentLength(jpeg, at);
        if (length < 2 || at + 2 + length > jpeg.size()) {
            return std::string::npos;
        }
        at += 2 + length;
    }
    return at;
}

std::string CommentSegments(const std::string& text) {
    std::string segments;
    for (std::size_t start = 0; start < text.size(); start += kLargestSegmentPayload) {
        segments += JpegSegment(JpegMarker::kComment, text.substr(start, kLargestSegmentPayload));
    }
    return segments;
}

} // namespace

bool InsertJpegComment(const std::string& jpeg, const std::string& text, std::string* result) {
    if (jpeg.size() < 4 || MarkerAt(jpeg, 0) != JpegMarker::kPrefix ||
        MarkerAt(jpeg, 1) != JpegMarker::kStartOfImage) {
        return false;
    }
    std::size_t at = AfterApplicationSegments(jpeg);
    if (at == std::string::npos) {
        return false;
    }
    *result = jpeg.substr(0, at) + CommentSegments(text) + jpeg.substr(at);
    return true;
}
