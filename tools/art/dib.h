#pragma once

#include "art/palette.h"
#include "art/raster.h"

#include <cstdint>
#include <vector>

namespace art {

// Device-independent bitmaps as stored in BMP, ICO and CUR files: a BITMAPINFOHEADER, the
// palette, then bottom-up rows padded to four bytes.
constexpr uint32_t kInfoHeaderBytes = 40;

// The colour each pixel is stored with; transparent pixels become black so that, under a set
// AND-mask bit, they leave the screen unchanged.
std::vector<Rgb> visibleColours(const Canvas& canvas);

std::vector<uint8_t> trueColourDib(const Canvas& canvas);
std::vector<uint8_t> indexedDib(const Canvas& canvas, const Palette& palette, int bitsPerPixel);

// An icon or cursor image: the header states twice the height because the colour bits are
// followed by a one-bit AND mask marking the transparent pixels.
std::vector<uint8_t> maskedDib(const Canvas& canvas, const Palette& palette, int bitsPerPixel);

} // namespace art
