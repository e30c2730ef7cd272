#include "printed_picture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

int ColourDistance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

bool IsCaptionPixel(const AreaCapture& plain, const AreaCapture& captioned, int x, int y) {
    return ColourDistance(plain.At(x, y), captioned.At(x, y)) > 60;
}

bool IsBlankRow(const RenderedPage& page, int y) {
    for (int x = 0; x < page.Width(); ++x) {
        if (IsInked(page.At(x, y))) {
            return false;
        }
    }
    return true;
}

// The first blank row under the page's first inked block: the picture ends there, and a blank
// band parts it from the record printed under it.
int PictureBlockEnd(const RenderedPage& page) {
    int y = 0;
    while (y < page.Height() && IsBlankRow(page, y)) {
        ++y;
    }
    while (y < page.Height() && !IsBlankRow(page, y)) {
        ++y;
    }
    return y;
}

} // namespace

PicturePlacement LocatePicture(const RenderedPage& page, const AreaCapture& screen) {
    RECT onPage =
        InkBox(page.Width(), PictureBlockEnd(page), [&](int x, int y) { return page.At(x, y); });
    RECT onScreen =
        InkBox(screen.Width(), screen.Height(), [&](int x, int y) { return screen.At(x, y); });
    PicturePlacement placed{};
    placed.scaleX = double(onPage.right - onPage.left) / (onScreen.right - onScreen.left);
    placed.scaleY = double(onPage.bottom - onPage.top) / (onScreen.bottom - onScreen.top);
    placed.left = onPage.left - onScreen.left * placed.scaleX;
    placed.top = onPage.top - onScreen.top * placed.scaleY;
    placed.width = screen.Width() * placed.scaleX;
    placed.height = screen.Height() * placed.scaleY;
    return placed;
}

PrintedBox TextUnderPicture(const RenderedPage& page) {
    int top = PictureBlockEnd(page);
    RECT ink = InkBox(page.Width(), page.Height() - top,
                      [&](int x, int y) { return page.At(x, top + y); });
    if (ink.right <= ink.left) {
        return {0, 0, 0, 0};
    }
    return {double(ink.left) / kRenderScale, double(top + ink.top) / kRenderScale,
            double(ink.right - ink.left) / kRenderScale,
            double(ink.bottom - ink.top) / kRenderScale};
}

PrintedBox InPrinterPixels(const PicturePlacement& placed) {
    return {placed.left / kRenderScale, placed.top / kRenderScale, placed.width / kRenderScale,
            placed.height / kRenderScale};
}

int CaptionPixelsShown(const AreaCapture& capture, const AreaCapture& plain,
                       const AreaCapture& captioned) {
    int shown = 0;
    for (int y = 0; y < plain.Height(); ++y) {
        for (int x = 0; x < plain.Width(); ++x) {
            bool caption = IsCaptionPixel(plain, captioned, x, y);
            shown += caption && capture.At(x, y) == captioned.At(x, y) ? 1 : 0;
        }
    }
    return shown;
}

PageComparison CompareWithScreen(const RenderedPage& page, const PicturePlacement& placed,
                                 const AreaCapture& plain, const AreaCapture& captioned) {
    PageComparison result;
    for (int y = 0; y < plain.Height(); ++y) {
        for (int x = 0; x < plain.Width(); ++x) {
            bool caption = IsCaptionPixel(plain, captioned, x, y);
            if (!caption && (x % 7 != 0 || y % 7 != 0)) {
                continue;
            }
            POINT spot = placed.PageSpot(x, y);
            bool matches = ColourDistance(page.At(spot.x, spot.y), plain.At(x, y)) <= 16;
            ++result.compared;
            result.mismatched += matches ? 0 : 1;
            result.captionPixels += caption ? 1 : 0;
            result.captionOnPage += caption && !matches ? 1 : 0;
        }
    }
    std::printf("%d points compared, %d differ; %d caption pixels, %d of them on the page\n",
                result.compared, result.mismatched, result.captionPixels, result.captionOnPage);
    return result;
}
