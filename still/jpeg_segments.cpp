#include "jpeg_segments.h"

#include "jpeg_markers.h"

#include <utility>

namespace {

using namespace jpeg;

bool IsRecordSegment(unsigned char marker) {
    return marker == kComment || marker == kApplication1;
}

} // namespace

bool SplitJpeg(const std::string& jpeg, JpegParts* parts) {
    std::size_t size = jpeg.size();
    if (size < 4 || ByteAt(jpeg, 0) != kMarker || ByteAt(jpeg, 1) != kStartOfImage ||
        ByteAt(jpeg, size - 2) != kMarker || ByteAt(jpeg, size - 1) != kEndOfImage) {
        return false;
    }
    JpegParts result;
    result.imageData = jpeg.substr(0, 2);
    std::size_t at = 2;
    // Every segment before the scan carries its length; the scan runs to the end.
    while (true) {
        if (at + 4 > size || ByteAt(jpeg, at) != kMarker) {
            return false;
        }
        unsigned char marker = ByteAt(jpeg, at + 1);
        std::size_t length = SegmentLength(jpeg, at);
        if (length < 2 || at + 2 + length > size) {
            return false;
        }
        if (marker == kStartOfScan) {
            break;
        }
        if (marker == kComment) {
            result.comment += jpeg.substr(at + 4, length - 2);
        }
        if (marker == kApplication1) {
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
