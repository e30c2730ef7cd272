#include "edge_colors.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlsEdgeColors, ChannelsAreScaledByTheirOwnFactors) {
    ColorRef face = MakeColorRef(192, 128, 64);
    EXPECT_EQ(ShadowColor(face), MakeColorRef(136, 79, 38));
    EXPECT_EQ(HighlightColor(face), MakeColorRef(223, 158, 83));
}

TEST(ControlsEdgeColors, StandardGreyGetsTheSystemGreyAndWhite) {
    // The general rules would give RGB(136, 119, 115) and RGB(223, 237, 249).
    EXPECT_EQ(ShadowColor(MakeColorRef(192, 192, 192)), MakeColorRef(128, 128, 128));
    EXPECT_EQ(HighlightColor(MakeColorRef(192, 192, 192)), MakeColorRef(255, 255, 255));
    // Only that exact grey is special.
    EXPECT_EQ(ShadowColor(MakeColorRef(192, 192, 193)), MakeColorRef(136, 119, 115));
    EXPECT_EQ(HighlightColor(MakeColorRef(191, 192, 192)), MakeColorRef(222, 237, 249));
}

TEST(ControlsEdgeColors, HighlightSaturatesEachChannelAtFullIntensity) {
    EXPECT_EQ(HighlightColor(MakeColorRef(250, 250, 250)), MakeColorRef(255, 255, 255));
    // 100 * 220 / 86 = 255 (saturated), 100 * 200 / 81 = 246, 100 * 100 / 77 = 129.
    EXPECT_EQ(HighlightColor(MakeColorRef(220, 200, 100)), MakeColorRef(255, 246, 129));
    EXPECT_EQ(HighlightColor(MakeColorRef(255, 0, 255)), MakeColorRef(255, 0, 255));
}

TEST(ControlsEdgeColors, BlackAndWhiteEdges) {
    EXPECT_EQ(ShadowColor(0), 0u);
    EXPECT_EQ(HighlightColor(0), 0u);
    EXPECT_EQ(ShadowColor(MakeColorRef(255, 255, 255)), MakeColorRef(181, 158, 153));
}

TEST(ControlsEdgeColors, PackingMatchesTheSystemLayout) {
    EXPECT_EQ(MakeColorRef(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(RedOf(0x563412), 0x12u);
    EXPECT_EQ(GreenOf(0x563412), 0x34u);
    EXPECT_EQ(BlueOf(0x563412), 0x56u);
}

} // namespace
