#include "image_bytes.h"

#include <cstring>

namespace image_bytes {

void AppendLe16(Bytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendLe32(Bytes& out, uint32_t value) {
    AppendLe16(out, static_cast<uint16_t>(value));
    AppendLe16(out, static_cast<uint16_t>(value >> 16));
}

void AppendBe16(Bytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void AppendBe32(Bytes& out, uint32_t value) {
    AppendBe16(out, static_cast<uint16_t>(value >> 16));
    AppendBe16(out, static_cast<uint16_t>(value));
}

void AppendText(Bytes& out, const char* text) {
    out.insert(out.end(), text, text + std::strlen(text));
}

namespace {

void AppendBytes(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

void Overwrite(Bytes& bytes, size_t at, const Bytes& with) {
    std::memcpy(bytes.data() + at, with.data(), with.size());
}

} // namespace

void WriteLe16(Bytes& bytes, size_t at, uint16_t value) {
    Bytes encoded;
    AppendLe16(encoded, value);
    Overwrite(bytes, at, encoded);
}

void WriteLe32(Bytes& bytes, size_t at, uint32_t value) {
    Bytes encoded;
    AppendLe32(encoded, value);
    Overwrite(bytes, at, encoded);
}

namespace {

Bytes Filler(size_t count) {
    Bytes out(count);
    for (size_t i = 0; i < count; ++i) {
        out[i] = static_cast<uint8_t>((i * 37 + 11) % 255); // never 0xFF: no marker in JPEG scans
    }
    return out;
}

Bytes BmpFileHeader(uint32_t dibSize, size_t pixelBytes) {
    const uint32_t pixelOffset = 14 + dibSize;
    Bytes out;
    AppendText(out, "BM");
    AppendLe32(out, static_cast<uint32_t>(pixelOffset + pixelBytes));
    AppendLe32(out, 0); // reserved
    AppendLe32(out, pixelOffset);
    return out;
}

} // namespace

Bytes MakeBmp(int32_t width, int32_t height, size_t pixelBytes) {
    Bytes out = BmpFileHeader(40, pixelBytes);
    AppendLe32(out, 40);
    AppendLe32(out, static_cast<uint32_t>(width));
    AppendLe32(out, static_cast<uint32_t>(height));
    AppendLe16(out, 1);  // planes
    AppendLe16(out, 24); // bits per pixel
    AppendLe32(out, 0);  // BI_RGB
    AppendLe32(out, static_cast<uint32_t>(pixelBytes));
    AppendLe32(out, 2835); // 72 dpi
    AppendLe32(out, 2835);
    AppendLe32(out, 0); // colours used
    AppendLe32(out, 0); // important colours
    AppendBytes(out, Filler(pixelBytes));
    return out;
}

Bytes MakeCoreBmp(uint16_t width, uint16_t height, size_t pixelBytes) {
    Bytes out = BmpFileHeader(12, pixelBytes);
    AppendLe32(out, 12);
    AppendLe16(out, width);
    AppendLe16(out, height);
    AppendLe16(out, 1);
    AppendLe16(out, 24);
    AppendBytes(out, Filler(pixelBytes));
    return out;
}

Bytes JpegSegment(uint8_t marker, const Bytes& payload) {
    Bytes out{0xFF, marker};
    AppendBe16(out, static_cast<uint16_t>(payload.size() + 2));
    AppendBytes(out, payload);
    return out;
}

namespace {

Bytes JfifPayload() {
    Bytes out;
    out.insert(out.end(), {'J', 'F', 'I', 'F', 0, 1, 1, 0});
    AppendBe16(out, 1); // square pixels
    AppendBe16(out, 1);
    out.insert(out.end(), {0, 0}); // no thumbnail
    return out;
}

Bytes QuantisationPayload() {
    Bytes out;
    for (uint8_t table = 0; table < 2; ++table) {
        out.push_back(table);
        for (uint8_t i = 0; i < 64; ++i) {
            out.push_back(static_cast<uint8_t>(2 + table + i));
        }
    }
    return out;
}

Bytes FramePayload(uint16_t width, uint16_t height) {
    Bytes out{8};
    AppendBe16(out, height);
    AppendBe16(out, width);
    // Three components: Y sampled 2x2 with table 0, Cb and Cr 1x1 with table 1.
    out.insert(out.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    return out;
}

// The usual code-length counts; the AC symbols are every run/size pair, EOB and ZRL.
Bytes HuffmanPayload() {
    Bytes out{0x00, 0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    for (uint8_t symbol = 0; symbol < 12; ++symbol) {
        out.push_back(symbol);
    }
    out.insert(out.end(), {0x10, 0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D, 0x00, 0xF0});
    for (uint8_t run = 0; run < 16; ++run) {
        for (uint8_t size = 1; size <= 10; ++size) {
            out.push_back(static_cast<uint8_t>(run << 4 | size));
        }
    }
    return out;
}

} // namespace

Bytes MakeJpeg(uint16_t width, uint16_t height, const Bytes& extra, uint8_t frameMarker,
               size_t entropyBytes) {
    Bytes out{0xFF, 0xD8};
    AppendBytes(out, JpegSegment(0xE0, JfifPayload()));
    AppendBytes(out, extra);
    AppendBytes(out, JpegSegment(0xDB, QuantisationPayload()));
    AppendBytes(out, JpegSegment(frameMarker, FramePayload(width, height)));
    AppendBytes(out, JpegSegment(0xC4, HuffmanPayload()));
    AppendBytes(out, JpegSegment(0xDA, {3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0}));
    AppendBytes(out, Filler(entropyBytes));
    out.insert(out.end(), {0xFF, 0xD9});
    return out;
}

namespace {

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

} // namespace

void AppendPngChunk(Bytes& out, const char* type, const Bytes& data) {
    AppendBe32(out, static_cast<uint32_t>(data.size()));
    const size_t crcStart = out.size();
    AppendText(out, type);
    AppendBytes(out, data);
    AppendBe32(out, Crc32(out.data() + crcStart, out.size() - crcStart));
}

Bytes PngSignature() {
    return {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
}

Bytes MakePng(uint32_t width, uint32_t height) {
    Bytes ihdr;
    AppendBe32(ihdr, width);
    AppendBe32(ihdr, height);
    ihdr.insert(ihdr.end(), {8, 0, 0, 0, 0}); // depth 8, greyscale, deflate, no interlace
    Bytes out = PngSignature();
    AppendPngChunk(out, "IHDR", ihdr);
    AppendPngChunk(out, "IEND", {});
    return out;
}

Bytes MakeGif(uint16_t width, uint16_t height, const std::vector<GifFrame>& frames) {
    Bytes out;
    AppendText(out, "GIF89a");
    AppendLe16(out, width);
    AppendLe16(out, height);
    out.insert(out.end(), {0x80, 0, 0});                // global table of two colours
    out.insert(out.end(), {0, 0, 0, 0xFF, 0xFF, 0xFF}); // black, white
    for (const GifFrame& frame : frames) {
        out.insert(out.end(), {0x21, 0xF9, 4, 0, 10, 0, 0, 0}); // 0.1 s delay
        out.push_back(0x2C);
        AppendLe16(out, frame.left);
        AppendLe16(out, frame.top);
        AppendLe16(out, frame.width);
        AppendLe16(out, frame.height);
        out.push_back(0);                             // no local colour table
        out.insert(out.end(), {2, 2, 0x44, 0x01, 0}); // LZW code size 2, one sub-block
    }
    out.push_back(0x3B);
    return out;
}

namespace {

void AppendTiff16(Bytes& out, uint16_t value, bool bigEndian) {
    if (bigEndian) {
        AppendBe16(out, value);
    } else {
        AppendLe16(out, value);
    }
}

void AppendTiff32(Bytes& out, uint32_t value, bool bigEndian) {
    if (bigEndian) {
        AppendBe32(out, value);
    } else {
        AppendLe32(out, value);
    }
}

uint32_t TiffPixelOffset(size_t entryCount) {
    return static_cast<uint32_t>(8 + 2 + 12 * entryCount + 4);
}

} // namespace

void AppendTiffEntry(Bytes& out, const TiffEntry& entry, bool bigEndian) {
    AppendTiff16(out, entry.tag, bigEndian);
    AppendTiff16(out, entry.type, bigEndian);
    AppendTiff32(out, entry.count, bigEndian);
    if (entry.type == kTiffShort) {
        AppendTiff16(out, static_cast<uint16_t>(entry.value), bigEndian);
        AppendTiff16(out, 0, bigEndian);
    } else {
        AppendTiff32(out, entry.value, bigEndian);
    }
}

Bytes MakeTiffWithEntries(bool bigEndian, const std::vector<TiffEntry>& entries) {
    Bytes out;
    AppendText(out, bigEndian ? "MM" : "II");
    AppendTiff16(out, 42, bigEndian);
    AppendTiff32(out, 8, bigEndian);
    AppendTiff16(out, static_cast<uint16_t>(entries.size()), bigEndian);
    for (const TiffEntry& entry : entries) {
        AppendTiffEntry(out, entry, bigEndian);
    }
    AppendTiff32(out, 0, bigEndian); // no further IFD
    AppendBytes(out, Filler(4));
    return out;
}

Bytes MakeTiff(bool bigEndian, uint32_t width, uint32_t height, uint16_t type) {
    std::vector<TiffEntry> entries = {
        {256, type, 1, width},   // image width
        {257, type, 1, height},  // image length
        {258, kTiffShort, 1, 8}, // bits per sample
        {259, kTiffShort, 1, 1}, // no compression
        {262, kTiffShort, 1, 1}, // black is zero
        {273, kTiffLong, 1, 0},  // strip offset, set below
        {277, kTiffShort, 1, 1}, // samples per pixel
        {278, type, 1, height},  // rows per strip
        {279, kTiffLong, 1, 4},  // strip byte count
    };
    entries[5].value = TiffPixelOffset(entries.size());
    return MakeTiffWithEntries(bigEndian, entries);
}

} // namespace image_bytes
