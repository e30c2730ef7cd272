#include "scroll_position.h"

#include <gtest/gtest.h>

namespace {

// A bar over 640 pixels with a page of 64: positions 0 to 576.
constexpr ScrollBarState At(int pos) {
    return {0, 576, 64, pos};
}

TEST(ScrollPosition, LineStepsStopAtTheLimits) {
    EXPECT_EQ(ScrolledPosition(0, At(10), 0), 9);
    EXPECT_EQ(ScrolledPosition(0, At(0), 0), 0);
    EXPECT_EQ(ScrolledPosition(1, At(575), 0), 576);
    EXPECT_EQ(ScrolledPosition(1, At(576), 0), 576);
}

TEST(ScrollPosition, PageStepsStopExactlyAtTheLimits) {
    EXPECT_EQ(ScrolledPosition(2, At(100), 0), 36);
    EXPECT_EQ(ScrolledPosition(2, At(30), 0), 0);
    EXPECT_EQ(ScrolledPosition(2, At(0), 0), 0);
    EXPECT_EQ(ScrolledPosition(3, At(100), 0), 164);
    EXPECT_EQ(ScrolledPosition(3, At(575), 0), 576);
    EXPECT_EQ(ScrolledPosition(3, At(576), 0), 576);
}

TEST(ScrollPosition, ThumbMessagesCarryTheirPositionWithinTheRange) {
    EXPECT_EQ(ScrolledPosition(4, At(100), 250), 250);
    EXPECT_EQ(ScrolledPosition(5, At(100), 251), 251);
    EXPECT_EQ(ScrolledPosition(5, At(100), 577), 576);
    EXPECT_EQ(ScrolledPosition(4, At(100), -5), 0);
}

TEST(ScrollPosition, EndsJumpToMinimumAndLimit) {
    EXPECT_EQ(ScrolledPosition(6, At(300), 0), 0);
    EXPECT_EQ(ScrolledPosition(7, At(300), 0), 576);
}

TEST(ScrollPosition, EndScrollAndUnknownCodesKeepThePosition) {
    EXPECT_EQ(ScrolledPosition(8, At(300), 999), 300);
    EXPECT_EQ(ScrolledPosition(42, At(300), 999), 300);
}

TEST(ScrollPosition, AtTheWholePictureNoStepMovesTheView) {
    ScrollBarState whole = {0, 0, 640, 0};
    for (int code = 0; code <= 8; ++code) {
        if (code != 4 && code != 5) {
            EXPECT_EQ(ScrolledPosition(code, whole, 0), 0) << "code " << code;
        }
    }
}

} // namespace
