// The printed picture measured against the screen it was captured from.
#pragma once

#include "printout.h"
#include "wine_test_support.h"

// A rectangle of the dialog's client area as it was on the screen.
class AreaCapture {
  public:
    AreaCapture(HWND hDialog, const RECT& area) : m_capture(hDialog), m_area(area) {}
    int Width() const { return m_area.right - m_area.left; }
    int Height() const { return m_area.bottom - m_area.top; }
    COLORREF At(int x, int y) const { return m_capture.At(m_area.left + x, m_area.top + y); }

  private:
    ClientCapture m_capture;
    RECT m_area;
};

// The page is rendered at twice the printer's resolution: the picture is then scaled up enough
// that the renderer copies its pixels instead of blending neighbours.
constexpr int kRenderScale = 2;

// Where the captured picture area lies on the rendered page. The capture's last columns and
// rows are the white highlight of the area's sunken frame, which cannot be told from the paper,
// so the place and scale come from the inked parts of capture and page.
struct PicturePlacement {
    double left;
    double top;
    double scaleX;
    double scaleY;
    double width;
    double height;
    // The page pixel in the middle of the block that a screen pixel became.
    POINT PageSpot(int x, int y) const {
        return {static_cast<LONG>(left + (x + 0.5) * scaleX),
                static_cast<LONG>(top + (y + 0.5) * scaleY)};
    }
};

PicturePlacement LocatePicture(const RenderedPage& page, const AreaCapture& screen);

// The picture on the page in printer pixels.
struct PrintedBox {
    double left;
    double top;
    double width;
    double height;
};

PrintedBox InPrinterPixels(const PicturePlacement& placed);

// The inked part of the page under the picture, in printer pixels; all 0 when there is none.
PrintedBox TextUnderPicture(const RenderedPage& page);

// How many of the caption's pixels (where the picture area with the caption differs clearly
// from it without) a capture shows as they were with the caption.
int CaptionPixelsShown(const AreaCapture& capture, const AreaCapture& plain,
                       const AreaCapture& captioned);

// How the page compares with the screen: a grid of screen pixels, and every pixel of the
// caption. Each must show on the page in the colour it had on screen without the caption.
struct PageComparison {
    int compared = 0;
    int mismatched = 0;
    int captionPixels = 0;
    int captionOnPage = 0;
};

PageComparison CompareWithScreen(const RenderedPage& page, const PicturePlacement& placed,
                                 const AreaCapture& plain, const AreaCapture& captioned);
