#include "text_fit_rules.h"

#include <algorithm>
#include <numeric>

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

namespace {

bool SameRow(const IntRect& a, const IntRect& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

IntRect MovedRight(const IntRect& rect, int distance) {
    return {rect.left + distance, rect.top, rect.right + distance, rect.bottom};
}

} // namespace

std::vector<IntRect> KeptApart(const std::vector<IntRect>& before, std::vector<IntRect> fitted) {
    std::vector<size_t> leftToRight(before.size());
    std::iota(leftToRight.begin(), leftToRight.end(), size_t{0});
    std::stable_sort(leftToRight.begin(), leftToRight.end(),
                     [&](size_t a, size_t b) { return before[a].left < before[b].left; });
    // A control is placed after every control left of it, so it sees where they ended up.
    for (size_t n = 0; n < leftToRight.size(); ++n) {
        size_t i = leftToRight[n];
        int shift = 0;
        for (size_t m = 0; m < n; ++m) {
            size_t j = leftToRight[m];
            if (!SameRow(before[i], before[j]) || before[j].right > before[i].left) {
                continue;
            }
            int gap = before[i].left - before[j].right;
            shift = std::max(shift, fitted[j].right + gap - fitted[i].left);
        }
        if (shift > 0) {
            fitted[i] = MovedRight(fitted[i], shift);
        }
    }
    return fitted;
}
