#include "jpeg_segment_writer.h"

std::string JpegSegment(JpegMarker marker, const std::string& payload) {
    if (payload.size() > kLargestSegmentPayload) {
        return std::string();
    }
    std::size_t length = payload.size() + 2;
    return std::string{static_cast<char>(MarkerByte(JpegMarker::kPrefix)),
                       static_cast<char>(MarkerByte(marker)), static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           payload;
}
