#include "face_scale.h"

#include <gtest/gtest.h>

TEST(FaceScale, EachCommonScreenScaleGetsTheFaceDrawnForIt) {
    EXPECT_EQ(NearestFacePercent(96), 100);
    EXPECT_EQ(NearestFacePercent(144), 150);
    EXPECT_EQ(NearestFacePercent(192), 200);
}

TEST(FaceScale, OtherScalesGetTheNearestAndTiesTheSmaller) {
    EXPECT_EQ(NearestFacePercent(72), 100);
    EXPECT_EQ(NearestFacePercent(119), 100);
    EXPECT_EQ(NearestFacePercent(120), 100);
    EXPECT_EQ(NearestFacePercent(121), 150);
    EXPECT_EQ(NearestFacePercent(168), 150);
    EXPECT_EQ(NearestFacePercent(169), 200);
    EXPECT_EQ(NearestFacePercent(288), 200);
}

TEST(FaceScale, TheResourceNumberIsTheFacesOwnPlusItsScalesOffset) {
    EXPECT_EQ(ScaledFaceId(213, 96), 213u);
    EXPECT_EQ(ScaledFaceId(229, 144), 1229u);
    EXPECT_EQ(ScaledFaceId(226, 192), 2226u);
}
