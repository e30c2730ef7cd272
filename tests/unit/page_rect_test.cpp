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

} // namespace
