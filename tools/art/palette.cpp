#include "art/palette.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace art {

Palette::Palette(std::vector<Rgb> colours) : colours_(std::move(colours)) {}

uint8_t Palette::indexOf(Rgb colour) const {
    const auto found = std::find(colours_.begin(), colours_.end(), colour);
    if (found == colours_.end()) {
        throw std::invalid_argument("colour is not in the palette");
    }
    return static_cast<uint8_t>(found - colours_.begin());
}

Palette standardPalette16() {
    return Palette({{0, 0, 0},
                    {128, 0, 0},
                    {0, 128, 0},
                    {128, 128, 0},
                    {0, 0, 128},
                    {128, 0, 128},
                    {0, 128, 128},
                    {192, 192, 192},
                    {128, 128, 128},
                    {255, 0, 0},
                    {0, 255, 0},
                    {255, 255, 0},
                    {0, 0, 255},
                    {255, 0, 255},
                    {0, 255, 255},
                    {255, 255, 255}});
}

Palette paletteOfColours(const std::vector<Rgb>& pixels, size_t size) {
    std::vector<Rgb> colours;
    for (Rgb pixel : pixels) {
        if (std::find(colours.begin(), colours.end(), pixel) == colours.end()) {
            colours.push_back(pixel);
        }
        if (colours.size() > size) {
            throw std::runtime_error("picture has more colours than its palette can hold");
        }
    }
    colours.resize(size, Rgb{0, 0, 0});
    return Palette(std::move(colours));
}

} // namespace art
