#include "page_rect.h"

#include <gtest/gtest.h>

namespace {

void ExpectFit(int pageWidth, int pageHeight, int width, int height) {
    PageRectSize size = FitPageRect(pageWidth, pageHeight);
    EXPECT_EQ(size.width, width) << pageWidth << " x " << pageHeight;
    EXPECT_EQ(size.height, height) << pageWidth << " x " << pageHeight;
}

TEST(PageRect, PortraitSpansTheWidthLessAtMostOnePixel) {
    ExpectFit(480, 660, 480, 360);
    ExpectFit(497, 702, 496, 372);
    ExpectFit(2479, 3508, 2478, 1859);
}

TEST(PageRect, LandscapeSpansTheHeight) {
    ExpectFit(660, 480, 640, 480);
    ExpectFit(3508, 2479, 3305, 2479);
    ExpectFit(641, 481, 641, 481);
}

TEST(PageRect, LandscapeNarrowerThanFourToThreeKeepsThePictureOnThePage) {
    ExpectFit(640, 490, 640, 480);
    ExpectFit(640, 481, 640, 480);
    ExpectFit(500, 499, 500, 375);
}

TEST(PageRect, SquarePageTakesTheWholePage) {
    ExpectFit(500, 500, 500, 500);
    ExpectFit(3, 3, 3, 3);
}

} // namespace
