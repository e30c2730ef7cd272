// Where a printed picture goes on the page: a 4:3 rectangle at the top-left corner of the
// printable area, as large as the page allows.
#pragma once

struct PageRectSize {
    int width;
    int height;
};

// The picture's size in printer pixels for a printable area of pageWidth x pageHeight. A square
// page takes the whole page. Integer divisions drop the remainder, so a portrait picture can end
// one pixel short of the page's width.
PageRectSize FitPageRect(int pageWidth, int pageHeight);

// The picture and the text under it, gap printer pixels apart.
struct PageLayout {
    PageRectSize picture;
    int textTop;
};

// The picture keeps FitPageRect's size while textHeight pixels of text fit under it; otherwise it
// shrinks, still 4:3 and at the top-left corner, just enough for the text to fit. A page too
// small for any picture above the text gets a picture of no size.
PageLayout LayOutPictureAndText(int pageWidth, int pageHeight, int textHeight, int gap);

// The same on a printer whose pixels are not square, dpiX across and dpiY down: laid out in
// square pixels of dpiX so that the picture is 4:3 on paper; heights in and out are the
// printer's rows.
PageLayout LayOutOnPrinter(int pageWidth, int pageHeight, int textHeight, int gap, int dpiX,
                           int dpiY);
