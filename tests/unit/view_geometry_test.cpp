#include "view_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = 640;
constexpr int H = 480;

ViewGeometry WholePicture(int centerX = 320, int centerY = 240) {
    return {1.0f, 0, 0, W, H, centerX, centerY};
}

TEST(ZoomStep, ZoomingInFromTheWholePictureFollowsTheSinglePrecisionTable) {
    struct Row {
        int steps;
        int width;
        int height;
    };
    const Row table[] = {{1, 575, 431}, {2, 518, 388}, {3, 466, 349}, {11, 200, 150},
                         {21, 70, 52},  {22, 64, 48},  {40, 64, 48}};
    for (const Row& row : table) {
        ViewGeometry view = WholePicture();
        for (int i = 0; i < row.steps; ++i) {
            ApplyZoomStep(view, kZoomIn, W, H);
        }
        EXPECT_EQ(view.m_nSrcWidth, row.width) << row.steps << " steps";
        EXPECT_EQ(view.m_nSrcHeight, row.height) << row.steps << " steps";
    }
}

TEST(ZoomStep, FactorsAreTheSinglePrecisionConstants) {
    EXPECT_EQ(ZoomedIn(1.0f), 0.9f);
    EXPECT_EQ(ZoomedIn(ZoomedIn(1.0f)), 0.80999994f);
    EXPECT_EQ(ZoomedIn(0.1f), 0.1f);
    EXPECT_EQ(ZoomedIn(0.11f), 0.1f);
    EXPECT_EQ(ZoomedOut(1.0f), 1.0f);
    EXPECT_EQ(ZoomedOut(0.9f), 1.0f) << "0.9 then 1.2 is 1.08, which the bound cuts";
}

TEST(ZoomStep, ZoomingOutFromTheFloorTakesThirteenSteps) {
    float zoom = 0.1f;
    int steps = 0;
    while (zoom < 1.0f && steps < 100) {
        zoom = ZoomedOut(zoom);
        ++steps;
    }
    EXPECT_EQ(steps, 13);
    EXPECT_EQ(zoom, 1.0f);
    EXPECT_FLOAT_EQ(ZoomedOut(0.1f), 0.12f);
}

TEST(ZoomStep, OffsetsAreCentredAndClampedLowerEdgeFirst) {
    EXPECT_EQ(ClampedOffset(320, 64, 640), 288);
    EXPECT_EQ(ClampedOffset(10, 64, 640), 0);
    EXPECT_EQ(ClampedOffset(635, 64, 640), 576);
    EXPECT_EQ(ClampedOffset(-50, 64, 640), 0);
    // Larger than the picture: the upper clamp wins and the offset goes negative.
    EXPECT_EQ(ClampedOffset(0, 700, 640), -60);
}

TEST(ZoomStep, ZoomAboutACentreNearTheRightEdgeStaysInsideThePicture) {
    ViewGeometry view = WholePicture(630, 5);
    ApplyZoomStep(view, kZoomIn, W, H);
    EXPECT_EQ(view.m_nSrcX, W - 575);
    EXPECT_EQ(view.m_nSrcY, 0);
}

TEST(ZoomStep, AtTheFloorAZoomInStillRecentres) {
    ViewGeometry view = {0.1f, 0, 0, 64, 48, 400, 300};
    ApplyZoomStep(view, kZoomIn, W, H);
    EXPECT_EQ(view.m_fZoom, 0.1f);
    EXPECT_EQ(view.m_nSrcWidth, 64);
    EXPECT_EQ(view.m_nSrcX, 368);
    EXPECT_EQ(view.m_nSrcY, 276);
}

TEST(ZoomStep, ZoomOutAtTheWholePictureResetsTheOffsets) {
    ViewGeometry view = {1.0f, 3, 4, W, H, 100, 100};
    ApplyZoomStep(view, kZoomOut, W, H);
    EXPECT_EQ(view.m_fZoom, 1.0f);
    EXPECT_EQ(view.m_nSrcX, 0);
    EXPECT_EQ(view.m_nSrcY, 0);
}

TEST(ZoomStep, RecentreKeepsFactorAndSize) {
    ViewGeometry view = {0.5f, 0, 0, 320, 240, 600, 10};
    ApplyZoomStep(view, kRecentre, W, H);
    EXPECT_EQ(view.m_fZoom, 0.5f);
    EXPECT_EQ(view.m_nSrcWidth, 320);
    EXPECT_EQ(view.m_nSrcX, 320);
    EXPECT_EQ(view.m_nSrcY, 0);
}

TEST(ZoomStep, ModeFiveChangesNothingNotEvenTheOffsets) {
    ViewGeometry view = {0.5f, 7, 9, 320, 240, 600, 10};
    ApplyZoomStep(view, kNoZoom, W, H);
    EXPECT_EQ(view.m_nSrcX, 7);
    EXPECT_EQ(view.m_nSrcY, 9);
    EXPECT_EQ(view.m_fZoom, 0.5f);
}

TEST(ZoomStep, APictureOfNoSizeGivesAnEmptySourceAtTheOrigin) {
    ViewGeometry view = {1.0f, 0, 0, 0, 0, 200, 150};
    ApplyZoomStep(view, kZoomIn, 0, 0);
    EXPECT_EQ(view.m_nSrcWidth, 0);
    EXPECT_EQ(view.m_nSrcHeight, 0);
    EXPECT_EQ(view.m_nSrcX, 0);
    EXPECT_EQ(view.m_nSrcY, 0);
}

TEST(NavigatorMapping, MarksTheSourceRectangleOnTheThumbnail) {
    IntRect thumb = {100, 10, 240, 115}; // 140 x 105
    ViewGeometry view = {0.5f, 160, 120, 320, 240, 0, 0};
    IntRect tracker{};
    ASSERT_TRUE(TrackerRectFromView(thumb, view, W, H, &tracker));
    EXPECT_EQ(tracker, (IntRect{135, 36, 205, 88}));
}

TEST(NavigatorMapping, TruncatesEachProductAfterMultiplying) {
    IntRect thumb = {0, 0, 141, 106};
    ViewGeometry view = {0.9f, 65, 49, 575, 431, 0, 0};
    IntRect tracker{};
    ASSERT_TRUE(TrackerRectFromView(thumb, view, W, H, &tracker));
    EXPECT_EQ(tracker.left, 141 * 65 / 640);
    EXPECT_EQ(tracker.top, 106 * 49 / 480);
    EXPECT_EQ(tracker.right, tracker.left + 141 * 575 / 640);
    EXPECT_EQ(tracker.bottom, tracker.top + 106 * 431 / 480);
}

TEST(NavigatorMapping, WholePictureCoversTheWholeThumbnail) {
    IntRect thumb = {43, 7, 190, 117};
    IntRect tracker{};
    ASSERT_TRUE(TrackerRectFromView(thumb, WholePicture(), W, H, &tracker));
    EXPECT_EQ(tracker, thumb);
}

TEST(NavigatorMapping, APictureOfNoSizeLeavesTheRectangleAlone) {
    IntRect tracker = {1, 2, 3, 4};
    ViewGeometry view = {1.0f, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(TrackerRectFromView({0, 0, 100, 75}, view, 0, 0, &tracker));
    EXPECT_EQ(tracker, (IntRect{1, 2, 3, 4}));
}

TEST(Wheel, AwayFromTheUserZoomsOutTowardsAndZeroZoomIn) {
    EXPECT_EQ(ZoomModeForWheel(120), kZoomOut);
    EXPECT_EQ(ZoomModeForWheel(1), kZoomOut);
    EXPECT_EQ(ZoomModeForWheel(-120), kZoomIn);
    EXPECT_EQ(ZoomModeForWheel(0), kZoomIn);
}

TEST(ZoomCaption, ShowsTheReciprocalOfTheSquareOfTheFactor) {
    char text[32];
    auto format = [&](float zoom) {
        snprintf(text, sizeof(text), " X %.1lf ", ZoomCaptionValue(zoom));
        return std::string(text);
    };
    EXPECT_EQ(format(1.0f), " X 1.0 ");
    EXPECT_EQ(format(ZoomedIn(1.0f)), " X 1.2 ");
    EXPECT_EQ(format(ZoomedIn(ZoomedIn(1.0f))), " X 1.5 ");
    EXPECT_EQ(format(0.1f), " X 100.0 ");
}

} // namespace
