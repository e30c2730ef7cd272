// The JPEG markers: the second byte of every marker, after the prefix byte 0xFF.
#pragma once

#include <cstddef>
#include <string>

enum class JpegMarker : unsigned char {
    // Not a marker: a 0xFF in entropy-coded data, followed by a zero.
    kStuffedZero = 0x00,
    // For private use; it stands alone, without a length.
    kTemporary = 0x01,
    // The start-of-frame markers span 0xC0 to 0xCF, less the three below.
    kFirstStartOfFrame = 0xC0,
    kHuffmanTables = 0xC4,
    kExtension = 0xC8,
    kArithmeticConditioning = 0xCC,
    kLastStartOfFrame = 0xCF,
    // Restart markers stand alone.
    kFirstRestart = 0xD0,
    kLastRestart = 0xD7,
    kStartOfImage = 0xD8,
    kEndOfImage = 0xD9,
    kStartOfScan = 0xDA,
    kFirstApplication = 0xE0,
    // Exif and XMP both live in APP1 segments.
    kApplication1 = 0xE1,
    kLastApplication = 0xEF,
    kComment = 0xFE,
    // Every marker starts with it; more of it before a marker are fill bytes.
    kPrefix = 0xFF,
};

constexpr unsigned char MarkerByte(JpegMarker marker) {
    return static_cast<unsigned char>(marker);
}

namespace jpeg {

inline unsigned char ByteAt(const std::string& bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

inline JpegMarker MarkerAt(const std::string& bytes, std::size_t i) {
    return static_cast<JpegMarker>(ByteAt(bytes, i));
}

// The length field of the segment whose marker starts at i; it counts itself.
inline std::size_t SegmentLength(const std::string& bytes, std::size_t i) {
    return static_cast<std::size_t>((ByteAt(bytes, i + 2) << 8) | ByteAt(bytes, i + 3));
}

} // namespace jpeg
