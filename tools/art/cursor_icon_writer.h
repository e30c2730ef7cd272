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

// A single 4-bit image, the format Windows cursors have used since Windows 3.
std::vector<uint8_t> encodeCursor(const Canvas& picture, HotSpot hotSpot);

} // namespace art
