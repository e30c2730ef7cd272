#include "placement.h"

#include <algorithm>

namespace {

int Offset(int areaSize, int size, bool centre, bool alignFar) {
    if (centre) {
        return (areaSize - size) / 2;
    }
    return alignFar ? areaSize - size : 0;
}

// The first and one-past-last pixel of an image axis that fits into the area's size.
void CropAxis(int imageSize, int areaSize, int* first, int* last) {
    int excess = imageSize - std::max(areaSize, 0);
    int cut = excess > 0 ? (excess + 1) / 2 : 0;
    *first = std::min(cut, imageSize / 2);
    *last = std::max(imageSize - cut, *first);
}

} // namespace

IntRect PlaceRect(const IntRect& area, int width, int height, unsigned flags) {
    int left = area.left + Offset(area.Width(), width, (flags & kCentreHorizontally) != 0,
                                  (flags & kAlignRight) != 0);
    int top = area.top + Offset(area.Height(), height, (flags & kCentreVertically) != 0,
                                (flags & kAlignBottom) != 0);
    return {left, top, left + width, top + height};
}

IntRect CropToArea(int imageWidth, int imageHeight, int areaWidth, int areaHeight) {
    IntRect source{};
    CropAxis(imageWidth, areaWidth, &source.left, &source.right);
    CropAxis(imageHeight, areaHeight, &source.top, &source.bottom);
    return source;
}
