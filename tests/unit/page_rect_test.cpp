#include "page_rect.h"

#include <gtest/gtest.h>

namespace {

struct Fit {
    int pageWidth;
    int pageHeight;
    int width;
    int height;
    const char* why;
};

const Fit kFits[] = {
    {480, 660, 480, 360, "portrait: the page's width"},
    {497, 702, 496, 372, "portrait: one pixel less, from the two truncating divisions"},
    {2479, 3508, 2478, 1859, "portrait: A4 at 300 dpi"},
    {660, 480, 640, 480, "landscape: the page's height"},
    {3508, 2479, 3305, 2479, "landscape: A4 at 300 dpi"},
    {641, 481, 641, 481, "landscape: exactly as wide as 4:3"},
    {640, 490, 640, 480, "landscape narrower than 4:3: the page's width, not 653"},
    {640, 481, 640, 480, "landscape one pixel narrower than 4:3"},
    {3300, 2550, 3300, 2475, "landscape Letter at 300 dpi"},
    {500, 499, 500, 375, "almost square"},
    {500, 500, 500, 500, "square: the whole page"},
};

TEST(PageRect, FourToThreeAtTheTopLeftInsideThePage) {
    for (const Fit& fit : kFits) {
        PageRectSize size = FitPageRect(fit.pageWidth, fit.pageHeight);
        EXPECT_EQ(size.width, fit.width) << fit.why;
        EXPECT_EQ(size.height, fit.height) << fit.why;
    }
}

TEST(PageRect, TextUnderThePictureLeavesAPortraitPictureAsItIsAndShrinksALandscapeOne) {
    PageLayout a4 = LayOutPictureAndText(2479, 3508, 400, 40);
    EXPECT_EQ(a4.picture.width, 2478);
    EXPECT_EQ(a4.picture.height, 1859);
    EXPECT_EQ(a4.textTop, 1899);

    // Letter landscape at 300 dpi: 2550 - 400 - 40 = 2110 pixels of height are left.
    PageLayout letter = LayOutPictureAndText(3300, 2550, 400, 40);
    EXPECT_EQ(letter.picture.height, 2110);
    EXPECT_EQ(letter.picture.width, 2813);
    EXPECT_EQ(letter.textTop, 2150);
    EXPECT_EQ(letter.textTop + 400, 2550) << "just enough: the text ends at the page's foot";

    PageLayout square = LayOutPictureAndText(500, 500, 100, 10);
    EXPECT_EQ(square.picture.width, 500) << "390 high would make it 520 wide";
    EXPECT_EQ(square.picture.height, 375);

    PageLayout tiny = LayOutPictureAndText(300, 200, 250, 10);
    EXPECT_EQ(tiny.picture.width, 0);
    EXPECT_EQ(tiny.picture.height, 0);
}

TEST(PageRect, OnAPrinterOfUnequalResolutionsThePictureIsFourToThreeOnPaper) {
    // A4 on a printer of 600 dpi across and 300 down: 4960 x 3508 of its pixels, 8.27 x 11.69 in.
    PageLayout a4 = LayOutOnPrinter(4960, 3508, 200, 20, 600, 300);
    EXPECT_EQ(a4.picture.width, 4960) << "8.27 in, the page's width";
    EXPECT_EQ(a4.picture.height, 1860) << "6.2 in: 8.27 x 3 / 4";
    EXPECT_EQ(a4.textTop, 1880);

    PageLayout square = LayOutOnPrinter(2479, 3508, 400, 40, 300, 300);
    PageLayout plain = LayOutPictureAndText(2479, 3508, 400, 40);
    EXPECT_EQ(square.picture.width, plain.picture.width);
    EXPECT_EQ(square.picture.height, plain.picture.height);
    EXPECT_EQ(square.textTop, plain.textTop);
}

} // namespace
