// The JPEG markers the record's segments are placed and found by.
#pragma once

#include <cstddef>
#include <string>

namespace jpeg {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kComment = 0xFE;
constexpr unsigned char kFirstApplication = 0xE0;
// Exif and XMP both live in APP1 segments.
constexpr unsigned char kApplication1 = 0xE1;
constexpr unsigned char kLastApplication = 0xEF;

inline unsigned char ByteAt(const std::string& bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

// The length field of the segment whose marker starts at i; it counts itself.
inline std::size_t SegmentLength(const std::string& bytes, std::size_t i) {
    return static_cast<std::size_t>((ByteAt(bytes, i + 2) << 8) | ByteAt(bytes, i + 3));
}

} // namespace jpeg
