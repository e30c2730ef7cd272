// The short-lived GDI+ objects of one drawing: a graphics object on a device context, image
// attributes carrying the brightness gamma, and the outline pen. Each releases itself.
#pragma once

#include "gdiplus_image.h"

class GdiplusGraphics {
  public:
    explicit GdiplusGraphics(HDC hDC);
    // Draws into the image itself.
    explicit GdiplusGraphics(GdiplusImage& target);
    ~GdiplusGraphics();
    GdiplusGraphics(const GdiplusGraphics&) = delete;
    GdiplusGraphics& operator=(const GdiplusGraphics&) = delete;

    Gdiplus::GpGraphics* Native() const { return m_graphics; }
    Gdiplus::GpStatus SetInterpolationMode(int mode);
    // Stretches the source rectangle of the image over the destination, in pixel units; the
    // status goes to the image's record.
    Gdiplus::GpStatus DrawImage(GdiplusImage& image, const RECT& destination, const RECT& source,
                                Gdiplus::GpImageAttributes* attributes);
    // A one-pixel outline covering x .. x + width and y .. y + height.
    void DrawOutline(Gdiplus::ARGB colour, int x, int y, int width, int height);

  private:
    Gdiplus::GpGraphics* m_graphics = nullptr;
};

// Bitmap-type attributes with the gamma and the identity colour matrix, both enabled.
class GammaAttributes {
  public:
    explicit GammaAttributes(float gamma);
    ~GammaAttributes();
    GammaAttributes(const GammaAttributes&) = delete;
    GammaAttributes& operator=(const GammaAttributes&) = delete;

    Gdiplus::GpImageAttributes* Native() const { return m_attributes; }

  private:
    Gdiplus::GpImageAttributes* m_attributes = nullptr;
};
