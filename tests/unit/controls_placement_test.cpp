#include "placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Rectangles in failure messages.
static void PrintTo(const IntRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

const IntRect kArea{10, 20, 110, 80}; // 100 x 60

struct PlacementCase {
    unsigned flags;
    int left;
    int top;
};

TEST(ControlsPlaceRect, EveryFlagCombinationPlacesTheImage) {
    // A 30 x 20 image: horizontal room 70, vertical room 40.
    const PlacementCase cases[] = {
        {0, 10, 20},  {1, 45, 20},  {2, 80, 20},  {3, 45, 20},  {4, 10, 40},  {5, 45, 40},
        {6, 80, 40},  {7, 45, 40},  {8, 10, 60},  {9, 45, 60},  {10, 80, 60}, {11, 45, 60},
        {12, 10, 40}, {13, 45, 40}, {14, 80, 40}, {15, 45, 40},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE("flags " + std::to_string(c.flags));
        EXPECT_EQ(PlaceRect(kArea, 30, 20, c.flags),
                  (IntRect{c.left, c.top, c.left + 30, c.top + 20}));
    }
}

TEST(ControlsPlaceRect, AnImageLargerThanTheAreaOverhangsIt) {
    // Differences -31 and -21: centring halves toward zero, -15 and -10.
    EXPECT_EQ(PlaceRect(kArea, 131, 81, kCentreHorizontally | kCentreVertically),
              (IntRect{-5, 10, 126, 91}));
    EXPECT_EQ(PlaceRect(kArea, 131, 81, kAlignRight | kAlignBottom), (IntRect{-21, -1, 110, 80}));
    EXPECT_EQ(PlaceRect(kArea, 131, 81, 0), (IntRect{10, 20, 141, 101}));
}

TEST(ControlsPlaceRect, OddRoomLeavesTheExtraPixelAfterTheImage) {
    EXPECT_EQ(PlaceRect({0, 0, 47, 60}, 46, 50, 5), (IntRect{0, 5, 46, 55}));
    EXPECT_EQ(PlaceRect({0, 0, 9, 9}, 4, 4, 5), (IntRect{2, 2, 6, 6}));
}

TEST(ControlsCropToArea, AnImageThatFitsIsDrawnWhole) {
    EXPECT_EQ(CropToArea(50, 50, 100, 100), (IntRect{0, 0, 50, 50}));
    EXPECT_EQ(CropToArea(50, 50, 50, 50), (IntRect{0, 0, 50, 50}));
}

TEST(ControlsCropToArea, ExcessIsCutFromBothSidesRoundedUp) {
    // 47 wide: excess 3, two columns off each side (columns 2 to 47), one narrower than the area.
    EXPECT_EQ(CropToArea(50, 50, 47, 60), (IntRect{2, 0, 48, 50}));
    // 40 x 40: the centre 40 x 40 (columns and rows 5 to 44).
    EXPECT_EQ(CropToArea(50, 50, 40, 40), (IntRect{5, 5, 45, 45}));
    EXPECT_EQ(CropToArea(50, 30, 49, 20), (IntRect{1, 5, 49, 25}));
}

TEST(ControlsCropToArea, AnEmptyOrInvertedAreaShowsNothingAndNeverAMirroredStrip) {
    // Cutting half the excess rounded up from each side of an odd image would leave -1 pixels.
    EXPECT_EQ(CropToArea(51, 50, 0, 50), (IntRect{25, 0, 25, 50}));
    EXPECT_EQ(CropToArea(50, 51, 50, -7), (IntRect{0, 25, 50, 25}));
    EXPECT_EQ(CropToArea(50, 50, 1, 1), (IntRect{25, 25, 25, 25}));
}

} // namespace
