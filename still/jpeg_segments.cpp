#include "jpeg_segments.h"

#include "jpeg_markers.h"

#include <utility>

namespace {

using namespace jpeg;

bool IsRecordSegment(JpegMarker marker) {
    return marker == JpegMarker::kComment || marker == JpegMarker::kApplication1;
}

} // namespace

bool SplitJpeg(const std::string& jpeg, JpegParts* parts) {
    std::size_t size = jpeg.size();
    if (size < 4 || MarkerAt(jpeg, 0) != JpegMarker::kPrefix ||
        MarkerAt(jpeg, 1) != JpegMarker::kStartOfImage ||
        MarkerAt(jpeg, size - 2) != JpegMarker::kPrefix ||
        MarkerAt(jpeg, size - 1) != JpegMarker::kEndOfImage) {
        return false;
    }
    JpegParts result;
    result.imageData = jpeg.substr(0, 2);
    std::size_t at = 2;
    // Every segment before the scan carries its length; the scan runs to the end.
    while (true) {
        if (at + 4 > size || MarkerAt(jpeg, at) != JpegMarker::kPrefix) {
            return false;
        }
        JpegMarker marker = MarkerAt(jpeg, at + 1);
        std::size_t length = SegmentLength(jpeg, at);
        if (length < 2 || at + 2 + length > size) {
            return false;
        }
        if (marker == JpegMarker::kStartOfScan) {
            break;
        }
        if (marker == JpegMarker::kComment) {
            result.comment += jpeg.substr(at + 4, length - 2);
        }
        if (marker == JpegMarker::kApplication1) {
            result.application1.push_back(jpeg.substr(at, 2 + length));
        }
        if (!IsRecordSegment(marker)) {
            result.imageData += jpeg.substr(at, 2 + length);
        }
        at += 2 + length;
    }
    result.imageData += jpeg.substr(at);
    *parts = std::move(result);
    return true;
}
