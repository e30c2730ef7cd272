#include "page_rect.h"

#include <cstdint>

namespace {

// A 4:3 size no wider than the given width: the height first, then the width back from it, both
// truncated.
PageRectSize FromWidth(int width) {
    int height = 3 * width / 4;
    return {4 * height / 3, height};
}

int Rescale(int value, int to, int from) {
    return from > 0 ? static_cast<int>(static_cast<std::int64_t>(value) * to / from) : value;
}

} // namespace

PageRectSize FitPageRect(int pageWidth, int pageHeight) {
    if (pageWidth < pageHeight) {
        return FromWidth(pageWidth);
    }
    if (pageWidth == pageHeight) {
        return {pageWidth, pageHeight};
    }
    int width = 4 * pageHeight / 3;
    if (width > pageWidth) {
        // A landscape page narrower than 4:3 would lose the picture's right edge.
        return {pageWidth, 3 * pageWidth / 4};
    }
    return {width, pageHeight};
}

PageLayout LayOutPictureAndText(int pageWidth, int pageHeight, int textHeight, int gap) {
    PageRectSize picture = FitPageRect(pageWidth, pageHeight);
    int room = pageHeight - textHeight - gap;
    if (picture.height > room) {
        int height = room > 0 ? room : 0;
        picture = {4 * height / 3, height};
        if (picture.width > pageWidth) {
            picture = FromWidth(pageWidth);
        }
    }
    return {picture, picture.height + gap};
}

PageLayout LayOutOnPrinter(int pageWidth, int pageHeight, int textHeight, int gap, int dpiX,
                           int dpiY) {
    PageLayout square =
        LayOutPictureAndText(pageWidth, Rescale(pageHeight, dpiX, dpiY),
                             Rescale(textHeight, dpiX, dpiY), Rescale(gap, dpiX, dpiY));
    return {{square.picture.width, Rescale(square.picture.height, dpiY, dpiX)},
            Rescale(square.textTop, dpiY, dpiX)};
}
