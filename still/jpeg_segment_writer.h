// Writing one JPEG segment: the marker, the length field and the payload.
#pragma once

#include "jpeg_markers.h"

#include <cstddef>
#include <string>

// The longest payload a segment holds: its 16-bit length field counts itself.
constexpr std::size_t kLargestSegmentPayload = 0xFFFF - 2;

// The whole segment, marker included; empty when the payload is longer than a segment holds.
std::string JpegSegment(JpegMarker marker, const std::string& payload);
