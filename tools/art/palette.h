#pragma once

#include "art/raster.h"

#include <cstdint>
#include <vector>

namespace art {

class Palette {
  public:
    explicit Palette(std::vector<Rgb> colours);

    const std::vector<Rgb>& colours() const { return colours_; }
    uint8_t indexOf(Rgb colour) const;

  private:
    std::vector<Rgb> colours_;
};

// The standard 16-colour Windows palette, which 4-bit cursors and icons are drawn with.
Palette standardPalette16();

// Distinct colours in order of first appearance, padded with black up to `size` entries.
Palette paletteOfColours(const std::vector<Rgb>& pixels, size_t size);

} // namespace art
