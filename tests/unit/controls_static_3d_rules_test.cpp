#include "static_3d_rules.h"

#include <gtest/gtest.h>

#include <ostream>

// Rectangles in failure messages.
static void PrintTo(const IntRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

TEST(ControlsStatic3dRules, TextKeepsThreePixelsFromTheEdgesOfLargeEnoughLabels) {
    EXPECT_EQ(InsetTextRect({0, 0, 80, 20}, false), (IntRect{3, 3, 77, 17}));
    EXPECT_EQ(InsetTextRect({0, 0, 6, 6}, false), (IntRect{3, 3, 3, 3}));
    EXPECT_EQ(InsetTextRect({0, 0, 80, 5}, false), (IntRect{0, 0, 80, 5}));
    EXPECT_EQ(InsetTextRect({0, 0, 5, 80}, false), (IntRect{0, 0, 5, 80}));
    EXPECT_EQ(InsetTextRect({0, 0, 80, 20}, true), (IntRect{0, 0, 80, 20}));
}

TEST(ControlsStatic3dRules, TheBufferTakesWhatFitsBeforeItsTerminatingZero) {
    EXPECT_EQ(TextCharsThatFit(5, 0), 0u);
    EXPECT_EQ(TextCharsThatFit(5, 1), 0u);
    EXPECT_EQ(TextCharsThatFit(5, 4), 3u);
    EXPECT_EQ(TextCharsThatFit(5, 5), 4u);
    EXPECT_EQ(TextCharsThatFit(5, 6), 5u);
    EXPECT_EQ(TextCharsThatFit(5, 100), 5u);
    EXPECT_EQ(TextCharsThatFit(0, 1), 0u);
}

} // namespace
