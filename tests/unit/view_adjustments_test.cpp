#include "view_adjustments.h"

#include <gtest/gtest.h>

namespace {

TEST(Brightness, NineBrighterStepsReachTheFloorAndStayThere) {
    float gamma = 1.0f;
    for (int i = 1; i <= 8; ++i) {
        gamma = BrighterGamma(gamma);
        EXPECT_NEAR(gamma, 1.0 - 0.1 * i, 1e-6) << "press " << i;
        EXPECT_GT(gamma, 0.1f);
    }
    gamma = BrighterGamma(gamma);
    EXPECT_EQ(gamma, 0.1f);
    EXPECT_EQ(BrighterGamma(gamma), 0.1f);
}

TEST(Brightness, DarkerHasNoLimitAndTwentyStepsGiveThreeWithinRounding) {
    float gamma = 1.0f;
    for (int i = 0; i < 20; ++i) {
        gamma = DarkerGamma(gamma);
    }
    EXPECT_EQ(gamma, 2.9999993f);
    for (int i = 0; i < 100; ++i) {
        gamma = DarkerGamma(gamma);
    }
    EXPECT_NEAR(gamma, 13.0f, 1e-3f);
}

TEST(Quality, ListEntriesChooseTheirInterpolation) {
    EXPECT_EQ(InterpolationForQuality(0, 7), 3);
    EXPECT_EQ(InterpolationForQuality(1, 3), 7);
    EXPECT_EQ(InterpolationForQuality(2, 7), 6);
    EXPECT_EQ(InterpolationForQuality(-1, 6), 6) << "no selection keeps the mode";
    EXPECT_EQ(InterpolationForQuality(3, 3), 3);
}

} // namespace
