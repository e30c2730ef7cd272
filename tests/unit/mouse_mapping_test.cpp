#include "mouse_mapping.h"

#include "view_geometry.h"

#include <gtest/gtest.h>

namespace {

const IntRect kArea = {0, 0, 766, 574};
const IntRect kThumb = {100, 10, 240, 115};

TEST(MouseInside, BorderPixelsAreOutside) {
    EXPECT_FALSE(IsStrictlyInside(kArea, 0, 10));
    EXPECT_FALSE(IsStrictlyInside(kArea, 10, 0));
    EXPECT_FALSE(IsStrictlyInside(kArea, 766, 10));
    EXPECT_FALSE(IsStrictlyInside(kArea, 10, 574));
    EXPECT_TRUE(IsStrictlyInside(kArea, 1, 1));
    EXPECT_TRUE(IsStrictlyInside(kArea, 765, 573));
}

TEST(PictureClick, MapsTheAreaPointThroughTheSourceRectangle) {
    EXPECT_EQ(PictureCoordinate(640, 383, 766, 0), 320);
    EXPECT_EQ(PictureCoordinate(64, 383, 766, 288), 288 + 32);
    // 575 * 1 / 766 = 0.75: truncated before the offset is added.
    EXPECT_EQ(PictureCoordinate(575, 1, 766, 33), 33);
    EXPECT_EQ(PictureCoordinate(0, 100, 766, 0), 0) << "a picture of no size";
    EXPECT_EQ(PictureCoordinate(64, 100, 0, 5), 5) << "an area of no size";
}

TEST(NavigatorClick, MapsTheThumbnailPointToThePicture) {
    EXPECT_EQ(ThumbnailToPicture(640, 70, 140), 320);
    EXPECT_EQ(ThumbnailToPicture(480, 104, 105), 475);
    EXPECT_EQ(ThumbnailToPicture(640, 1, 140), 4);
    EXPECT_EQ(ThumbnailToPicture(0, 50, 140), 0);
    EXPECT_EQ(ThumbnailToPicture(640, 50, 0), 0);
}

TEST(NavigatorDrag, OffsetsFollowTheRectangleAndStayInsideThePicture) {
    EXPECT_EQ(OffsetFromNavigator(0, 640, 140, 64), 0);
    EXPECT_EQ(OffsetFromNavigator(70, 640, 140, 64), 320);
    // Flush with the right edge of a 133-wide thumbnail the rectangle (13 wide) starts at 120,
    // which maps to 577: one past the last offset that keeps the view inside the picture.
    EXPECT_EQ(OffsetFromNavigator(126, 640, 140, 64), 576);
    EXPECT_EQ(OffsetFromNavigator(120, 640, 133, 64), 576);
    EXPECT_EQ(OffsetFromNavigator(-3, 640, 140, 64), 0);
    EXPECT_EQ(OffsetFromNavigator(10, 640, 0, 64), 0);
}

TEST(ViewerCursors, PictureAreaShowsTheZoomModeAndTheThumbnailTheHandWhileZoomedIn) {
    EXPECT_EQ(CursorAt(kArea, kThumb, 300, 300, kZoomIn, false), ViewerCursor::ZoomIn);
    EXPECT_EQ(CursorAt(kArea, kThumb, 300, 300, kZoomOut, true), ViewerCursor::ZoomOut);
    EXPECT_EQ(CursorAt(kArea, kThumb, 300, 300, kNoZoom, true), ViewerCursor::Arrow);
    EXPECT_EQ(CursorAt(kArea, kThumb, 0, 300, kZoomIn, true), ViewerCursor::Default);
    EXPECT_EQ(CursorAt({0, 200, 766, 774}, kThumb, 150, 50, kZoomIn, true), ViewerCursor::OpenHand);
    EXPECT_EQ(CursorAt({0, 200, 766, 774}, kThumb, 150, 50, kZoomIn, false), ViewerCursor::Default);
    EXPECT_EQ(CursorAt({0, 200, 766, 774}, kThumb, 100, 50, kZoomIn, true), ViewerCursor::Default);
}

TEST(ShiftDoubleClick, OnlyShiftWithTheLeftButtonCounts) {
    EXPECT_TRUE(IsShiftDoubleClick(0x0005));
    EXPECT_FALSE(IsShiftDoubleClick(0x0001));
    EXPECT_FALSE(IsShiftDoubleClick(0x000D)) << "Ctrl + Shift";
    EXPECT_FALSE(IsShiftDoubleClick(0x0015)) << "with the middle button";
    EXPECT_FALSE(IsShiftDoubleClick(0x0004));
}

} // namespace
