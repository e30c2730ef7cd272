#include "navigator_bounds.h"

#include <gtest/gtest.h>

namespace {

const IntRect kBounds = {100, 10, 240, 115};

TEST(NavigatorBounds, ARectangleInsideIsLeftAsItWas) {
    IntRect inside = {120, 20, 150, 40};
    EXPECT_EQ(KeptInsideBounds(inside, kBounds, kHitMiddle), inside);
    EXPECT_EQ(KeptInsideBounds(kBounds, kBounds, kHitMiddle), kBounds);
}

TEST(NavigatorBounds, MovesPastAnEdgeStopAtThatEdgeWithTheSizeKept) {
    EXPECT_EQ(KeptInsideBounds({90, 20, 120, 40}, kBounds, kHitMiddle),
              (IntRect{100, 20, 130, 40}));
    EXPECT_EQ(KeptInsideBounds({120, 0, 150, 20}, kBounds, kHitMiddle),
              (IntRect{120, 10, 150, 30}));
    EXPECT_EQ(KeptInsideBounds({230, 20, 260, 40}, kBounds, kHitMiddle),
              (IntRect{210, 20, 240, 40}));
    EXPECT_EQ(KeptInsideBounds({120, 100, 150, 130}, kBounds, kHitMiddle),
              (IntRect{120, 85, 150, 115}));
    EXPECT_EQ(KeptInsideBounds({-500, -500, -470, -480}, kBounds, kHitMiddle),
              (IntRect{100, 10, 130, 30}));
}

TEST(NavigatorBounds, ARectangleLargerThanTheBoundsEndsFlushRightAndBottom) {
    EXPECT_EQ(KeptInsideBounds({100, 10, 300, 200}, kBounds, kHitMiddle),
              (IntRect{40, -75, 240, 115}));
}

TEST(NavigatorBounds, AReversedRectangleIsNormalisedFirst) {
    EXPECT_EQ(KeptInsideBounds({150, 40, 90, 20}, kBounds, kHitMiddle),
              (IntRect{100, 20, 160, 40}));
}

TEST(NavigatorBounds, OtherHandlesAreOnlyNormalised) {
    EXPECT_EQ(KeptInsideBounds({90, 20, 120, 40}, kBounds, 0), (IntRect{90, 20, 120, 40}));
    EXPECT_EQ(KeptInsideBounds({120, 40, 90, 20}, kBounds, 3), (IntRect{90, 20, 120, 40}));
}

} // namespace
