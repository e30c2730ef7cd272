#include "layout_scaling.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutScaling, FactorsAreScreenOverClientPerAxis) {
    ScaleFactors f = ScreenScaleFactors(1024, 768, 570, 429);
    EXPECT_FLOAT_EQ(f.x, 1024.0f / 570.0f);
    EXPECT_FLOAT_EQ(f.y, 768.0f / 429.0f);
}

TEST(LayoutScaling, AnAxisOfNoSizeKeepsItsScale) {
    ScaleFactors f = ScreenScaleFactors(1024, 768, 0, 0);
    EXPECT_EQ(f.x, 1.0f);
    EXPECT_EQ(f.y, 1.0f);
}

TEST(LayoutScaling, EachEdgeIsScaledAndTruncatedBeforeTheSizeIsTaken) {
    // Edges 11 and 14 become 16 (from 16.5) and 21: width 5, where scaling the width 3 gives 4.
    LayoutPlacement p = ScaleChildRect({11, 7, 14, 9}, {1.5f, 2.5f}, false);
    EXPECT_EQ(p.x, 16);
    EXPECT_EQ(p.width, 5);
    EXPECT_EQ(p.y, 17);
    EXPECT_EQ(p.height, 5);
}

TEST(LayoutScaling, NegativeEdgesTruncateTowardZero) {
    LayoutPlacement p = ScaleChildRect({-3, -3, 3, 3}, {1.5f, 1.5f}, false);
    EXPECT_EQ(p.x, -4);
    EXPECT_EQ(p.width, 8);
}

TEST(LayoutScaling, ComboBoxGetsFiveTimesItsUnscaledHeight) {
    LayoutPlacement p = ScaleChildRect({50, 20, 160, 44}, {2.0f, 3.0f}, true);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 60);
    EXPECT_EQ(p.width, 220);
    EXPECT_EQ(p.height, 120);
}

TEST(LayoutScaling, ComboBoxClassIsRecognisedInAnyCaseAndOnlyExactly) {
    EXPECT_TRUE(IsComboBoxClassName(L"ComboBox"));
    EXPECT_TRUE(IsComboBoxClassName(L"COMBOBOX"));
    EXPECT_FALSE(IsComboBoxClassName(L"ComboBoxEx32"));
    EXPECT_FALSE(IsComboBoxClassName(L"Combo"));
    EXPECT_FALSE(IsComboBoxClassName(L"ComboLBox"));
    EXPECT_FALSE(IsComboBoxClassName(L""));
}

} // namespace
