#pragma once

#include "art/raster.h"

#include <cstdint>
#include <vector>

namespace art {

// 4-bit images use the standard 16-colour palette, so they may only use its colours; 8-bit
// images get a palette of their own colours.
struct IconImage {
    Canvas picture;
    int bitsPerPixel;
};

struct HotSpot {
    int x;
    int y;
};

std::vector<uint8_t> encodeIcon(const std::vector<IconImage>& images);

struct CursorImage {
    Canvas picture;
    HotSpot hotSpot;
};

// 4-bit images, the format Windows cursors have used since Windows 3, each with its hot spot;
// the system takes the size nearest the one asked for.
std::vector<uint8_t> encodeCursor(const std::vector<CursorImage>& images);

} // namespace art
