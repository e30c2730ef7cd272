#include "navigator_bounds.h"

#include <utility>

namespace {

IntRect Normalised(IntRect r) {
    if (r.left > r.right) {
        std::swap(r.left, r.right);
    }
    if (r.top > r.bottom) {
        std::swap(r.top, r.bottom);
    }
    return r;
}

bool IsEmpty(const IntRect& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

bool LiesInside(const IntRect& r, const IntRect& bounds) {
    return !IsEmpty(r) && !IsEmpty(bounds) && r.left >= bounds.left && r.top >= bounds.top &&
           r.right <= bounds.right && r.bottom <= bounds.bottom;
}

void Shift(IntRect& r, int dx, int dy) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

} // namespace

IntRect KeptInsideBounds(const IntRect& rect, const IntRect& bounds, int handle) {
    IntRect r = Normalised(rect);
    if (LiesInside(r, bounds)) {
        return rect;
    }
    if (handle == kHitMiddle) {
        if (r.left < bounds.left) {
            Shift(r, bounds.left - r.left, 0);
        }
        if (r.top < bounds.top) {
            Shift(r, 0, bounds.top - r.top);
        }
        if (r.right > bounds.right) {
            Shift(r, bounds.right - r.right, 0);
        }
        if (r.bottom > bounds.bottom) {
            Shift(r, 0, bounds.bottom - r.bottom);
        }
    }
    return r;
}
