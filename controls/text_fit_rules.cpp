#include "text_fit_rules.h"

IntRect GrownToWidth(const IntRect& rect, int neededWidth, TextGrowth growth) {
    int extra = neededWidth - rect.Width();
    if (extra <= 0) {
        return rect;
    }
    if (growth == TextGrowth::Rightward) {
        return {rect.left, rect.top, rect.right + extra, rect.bottom};
    }
    return {rect.left - extra / 2, rect.top, rect.right + (extra - extra / 2), rect.bottom};
}

int DialogGrowth(int rightmostBefore, int rightmostAfter) {
    return rightmostAfter > rightmostBefore ? rightmostAfter - rightmostBefore : 0;
}
