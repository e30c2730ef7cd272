#include "edge_colors.h"

#include <algorithm>

namespace {

constexpr ColorRef kButtonFaceGrey = MakeColorRef(192, 192, 192);

unsigned Lightened(unsigned channel, unsigned divisor) {
    return std::min(100 * channel / divisor, 255u);
}

} // namespace

ColorRef ShadowColor(ColorRef face) {
    if (face == kButtonFaceGrey) {
        return MakeColorRef(128, 128, 128);
    }
    return MakeColorRef(71 * RedOf(face) / 100, 62 * GreenOf(face) / 100, 60 * BlueOf(face) / 100);
}

ColorRef HighlightColor(ColorRef face) {
    if (face == kButtonFaceGrey) {
        return MakeColorRef(255, 255, 255);
    }
    return MakeColorRef(Lightened(RedOf(face), 86), Lightened(GreenOf(face), 81),
                        Lightened(BlueOf(face), 77));
}
