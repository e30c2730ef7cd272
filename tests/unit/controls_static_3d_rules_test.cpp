#include "static_3d_rules.h"

#include "frame_styles.h"

#include <gtest/gtest.h>

#include <ostream>

// Rectangles in failure messages.
static void PrintTo(const IntRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

TEST(ControlsStatic3dRules, TextAndIconTypesAreLeftToTheSystem) {
    for (unsigned type = 0; type < 16; ++type) {
        EXPECT_EQ(PanelLookOfStaticType(type).systemPaints, type < 4) << type;
    }
}

TEST(ControlsStatic3dRules, RectangleTypesAreDoubleBevelsAndTheRestFramedPanels) {
    StaticPanelLook black = PanelLookOfStaticType(4);
    EXPECT_FALSE(black.roundFrame);
    EXPECT_EQ(black.outerBevel, kSunkenBevel);
    EXPECT_EQ(black.innerBevel, kRaisedBevel);
    EXPECT_EQ(black.bevelWidth, 1);
    StaticPanelLook white = PanelLookOfStaticType(6);
    EXPECT_EQ(white.outerBevel, kRaisedBevel);
    EXPECT_EQ(white.innerBevel, kSunkenBevel);
    EXPECT_EQ(PanelLookOfStaticType(7).outerBevel, kSunkenBevel);
    EXPECT_EQ(PanelLookOfStaticType(9).outerBevel, kRaisedBevel);
    for (unsigned type : {5u, 7u, 8u, 9u, 10u, 15u}) {
        StaticPanelLook look = PanelLookOfStaticType(type);
        EXPECT_TRUE(look.roundFrame) << type;
        EXPECT_EQ(look.innerBevel, kNoBevel) << type;
        EXPECT_EQ(look.bevelWidth, 2) << type;
    }
    for (unsigned type : {5u, 8u, 10u, 15u}) {
        EXPECT_EQ(PanelLookOfStaticType(type).outerBevel, kNoBevel) << type;
    }
}

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
