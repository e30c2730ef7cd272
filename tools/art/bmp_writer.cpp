#include "art/bmp_writer.h"

#include "art/byte_writer.h"
#include "art/dib.h"

namespace art {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr size_t kPaletteEntryBytes = 4;
constexpr size_t kPaletteSize = 256;

std::vector<uint8_t> withFileHeader(const std::vector<uint8_t>& dib, size_t paletteSize) {
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<uint32_t>(kFileHeaderBytes + dib.size()));
    out.u32(0);
    out.u32(static_cast<uint32_t>(kFileHeaderBytes + kInfoHeaderBytes +
                                  paletteSize * kPaletteEntryBytes));
    out.bytes(dib);
    return out.data();
}

} // namespace

std::vector<uint8_t> encodeBmp24(const Canvas& canvas) {
    return withFileHeader(trueColourDib(canvas), 0);
}

std::vector<uint8_t> encodeBmp8(const Canvas& canvas) {
    const Palette palette = paletteOfColours(visibleColours(canvas), kPaletteSize);
    return withFileHeader(indexedDib(canvas, palette, 8), kPaletteSize);
}

} // namespace art
