#include "art/cursor_icon_writer.h"

#include "art/byte_writer.h"
#include "art/dib.h"
#include "art/palette.h"

#include <stdexcept>

namespace art {

namespace {

constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
constexpr uint32_t kDirectoryBytes = 6;
constexpr uint32_t kEntryBytes = 16;
constexpr int kLargestSide = 256;

// The two 16-bit fields after the colour count hold planes and bit depth for an icon but the
// hot spot for a cursor.
struct Entry {
    int width;
    int height;
    int colourCount;
    uint16_t first;
    uint16_t second;
    std::vector<uint8_t> dib;
};

Palette paletteFor(const Canvas& picture, int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 4:
        return standardPalette16();
    case 8:
        return paletteOfColours(visibleColours(picture), 256);
    default:
        throw std::invalid_argument("icons are written with 4 or 8 bits per pixel");
    }
}

Entry entryFor(const Canvas& picture, int bitsPerPixel, uint16_t first, uint16_t second) {
    if (picture.width() > kLargestSide || picture.height() > kLargestSide) {
        throw std::invalid_argument("icon images are at most 256 pixels on a side");
    }
    const int colourCount = bitsPerPixel < 8 ? 1 << bitsPerPixel : 0;
    return {picture.width(), picture.height(),
            colourCount,     first,
            second,          maskedDib(picture, paletteFor(picture, bitsPerPixel), bitsPerPixel)};
}

std::vector<uint8_t> encodeContainer(uint16_t type, const std::vector<Entry>& entries) {
    ByteWriter out;
    out.u16(0);
    out.u16(type);
    out.u16(static_cast<uint32_t>(entries.size()));
    uint32_t offset = kDirectoryBytes + kEntryBytes * static_cast<uint32_t>(entries.size());
    for (const Entry& entry : entries) {
        out.u8(entry.width % kLargestSide);
        out.u8(entry.height % kLargestSide);
        out.u8(entry.colourCount);
        out.u8(0);
        out.u16(entry.first);
        out.u16(entry.second);
        out.u32(static_cast<uint32_t>(entry.dib.size()));
        out.u32(offset);
        offset += static_cast<uint32_t>(entry.dib.size());
    }
    for (const Entry& entry : entries) {
        out.bytes(entry.dib);
    }
    return out.data();
}

} // namespace

std::vector<uint8_t> encodeIcon(const std::vector<IconImage>& images) {
    std::vector<Entry> entries;
    for (const IconImage& image : images) {
        entries.push_back(entryFor(image.picture, image.bitsPerPixel, 1,
                                   static_cast<uint16_t>(image.bitsPerPixel)));
    }
    return encodeContainer(kIconType, entries);
}

std::vector<uint8_t> encodeCursor(const std::vector<CursorImage>& images) {
    std::vector<Entry> entries;
    for (const CursorImage& image : images) {
        const HotSpot& hotSpot = image.hotSpot;
        if (hotSpot.x < 0 || hotSpot.y < 0 || hotSpot.x >= image.picture.width() ||
            hotSpot.y >= image.picture.height()) {
            throw std::invalid_argument("cursor hot spot lies outside the picture");
        }
        entries.push_back(entryFor(image.picture, 4, static_cast<uint16_t>(hotSpot.x),
                                   static_cast<uint16_t>(hotSpot.y)));
    }
    return encodeContainer(kCursorType, entries);
}

} // namespace art
