#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Builds small picture files byte by byte, for tests and for the malformed-file corpus. Each
// builder writes the header fields as its format lays them out; only the declared sizes vary.
namespace image_bytes {

using Bytes = std::vector<uint8_t>;

void AppendLe16(Bytes& out, uint16_t value);
void AppendLe32(Bytes& out, uint32_t value);
void AppendBe16(Bytes& out, uint16_t value);
void AppendBe32(Bytes& out, uint32_t value);
void AppendText(Bytes& out, const char* text); // without the terminating zero
// Overwrite bytes already there.
void WriteLe16(Bytes& bytes, size_t at, uint16_t value);
void WriteLe32(Bytes& bytes, size_t at, uint32_t value);

// BITMAPINFOHEADER, 24 bits per pixel; pixelBytes bytes of pixels start at offset 54.
Bytes MakeBmp(int32_t width, int32_t height, size_t pixelBytes = 4);
// BITMAPCOREHEADER, 24 bits per pixel; pixelBytes bytes of pixels start at offset 26.
Bytes MakeCoreBmp(uint16_t width, uint16_t height, size_t pixelBytes = 4);

// FF, the marker, a big-endian length that counts itself, then the payload.
Bytes JpegSegment(uint8_t marker, const Bytes& payload);
// SOI, APP0 JFIF, the extra bytes as given, DQT, the frame header (frameMarker, 3 components),
// DHT, SOS, entropyBytes of scan data without any 0xFF, EOI.
Bytes MakeJpeg(uint16_t width, uint16_t height, const Bytes& extra = {}, uint8_t frameMarker = 0xC0,
               size_t entropyBytes = 64);

// A chunk with its length and CRC.
void AppendPngChunk(Bytes& out, const char* type, const Bytes& data);
Bytes PngSignature();
// Signature, IHDR (8-bit greyscale) as the first chunk, IEND.
Bytes MakePng(uint32_t width, uint32_t height);

struct GifFrame {
    uint16_t left;
    uint16_t top;
    uint16_t width;
    uint16_t height;
};

// GIF89a with a two-colour global table; each frame is a graphic control extension and an image
// descriptor with one data sub-block. The last byte is the trailer.
Bytes MakeGif(uint16_t width, uint16_t height, const std::vector<GifFrame>& frames);

constexpr uint16_t kTiffByte = 1;
constexpr uint16_t kTiffShort = 3;
constexpr uint16_t kTiffLong = 4;

struct TiffEntry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    uint32_t value; // a lone SHORT is stored left-justified, as TIFF requires
};

void AppendTiffEntry(Bytes& out, const TiffEntry& entry, bool bigEndian);
// Classic TIFF with the first IFD at offset 8: entry count, entries as given, a zero next-IFD
// offset, then 4 pixel bytes.
Bytes MakeTiffWithEntries(bool bigEndian, const std::vector<TiffEntry>& entries);
// A greyscale strip picture whose ImageWidth (256) and ImageLength (257) are the first two of its
// nine entries, both of the given type.
Bytes MakeTiff(bool bigEndian, uint32_t width, uint32_t height, uint16_t type);

} // namespace image_bytes
