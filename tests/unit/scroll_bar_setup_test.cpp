#include "scroll_bar_setup.h"

#include <gtest/gtest.h>

namespace {

// The platform's rule for the largest position the thumb can reach.
int Limit(const ScrollBarSetup& s) {
    return s.nMax - (s.nPage > 0 ? s.nPage - 1 : 0);
}

TEST(ScrollBarSetup, LargestReachablePositionIsTheLastOffsetInsideThePicture) {
    for (int source : {640, 575, 518, 200, 64, 1}) {
        ScrollBarSetup s = ScrollBarFor(640, source, 0);
        EXPECT_EQ(Limit(s), 640 - source) << "source width " << source;
        EXPECT_EQ(s.nMin, 0);
        EXPECT_EQ(s.nPage, source);
    }
}

TEST(ScrollBarSetup, WholePictureLeavesNoRoomToScroll) {
    EXPECT_EQ(Limit(ScrollBarFor(480, 480, 0)), 0);
}

TEST(ScrollBarSetup, PositionIsTheSourceOffset) {
    EXPECT_EQ(ScrollBarFor(480, 48, 17).nPos, 17);
}

TEST(ScrollBarSetup, PictureOfNoSizeGivesAnEmptyRange) {
    ScrollBarSetup s = ScrollBarFor(0, 0, 0);
    EXPECT_EQ(s.nMin, 0);
    EXPECT_EQ(s.nMax, 0);
    EXPECT_EQ(Limit(s), 0);
}

} // namespace
