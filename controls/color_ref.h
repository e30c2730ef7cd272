// Colours packed as the system packs them, 0x00BBGGRR, for the platform-free drawing rules.
#pragma once

#include <cstdint>

using ColorRef = std::uint32_t;

constexpr ColorRef MakeColorRef(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}
constexpr unsigned RedOf(ColorRef color) {
    return color & 0xFF;
}
constexpr unsigned GreenOf(ColorRef color) {
    return (color >> 8) & 0xFF;
}
constexpr unsigned BlueOf(ColorRef color) {
    return (color >> 16) & 0xFF;
}
