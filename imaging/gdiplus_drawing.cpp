#include "gdiplus_drawing.h"

using namespace Gdiplus;

GdiplusGraphics::GdiplusGraphics(HDC hDC) {
    DllExports::GdipCreateFromHDC(hDC, &m_graphics);
}

GdiplusGraphics::GdiplusGraphics(GdiplusImage& target) {
    target.Record(DllExports::GdipGetImageGraphicsContext(target.Native(), &m_graphics));
}

GdiplusGraphics::~GdiplusGraphics() {
    if (m_graphics != nullptr) {
        DllExports::GdipDeleteGraphics(m_graphics);
    }
}

GpStatus GdiplusGraphics::SetInterpolationMode(int mode) {
    return DllExports::GdipSetInterpolationMode(m_graphics, static_cast<InterpolationMode>(mode));
}

GpStatus GdiplusGraphics::DrawImage(GdiplusImage& image, const RECT& destination,
                                    const RECT& source, GpImageAttributes* attributes) {
    return image.Record(DllExports::GdipDrawImageRectRectI(
        m_graphics, image.Native(), destination.left, destination.top,
        destination.right - destination.left, destination.bottom - destination.top, source.left,
        source.top, source.right - source.left, source.bottom - source.top, UnitPixel, attributes,
        nullptr, nullptr));
}

void GdiplusGraphics::DrawOutline(ARGB colour, int x, int y, int width, int height) {
    GpPen* pen = nullptr;
    if (DllExports::GdipCreatePen1(colour, 1.0f, UnitWorld, &pen) != Ok) {
        return;
    }
    DllExports::GdipDrawRectangleI(m_graphics, pen, x, y, width, height);
    DllExports::GdipDeletePen(pen);
}

GammaAttributes::GammaAttributes(float gamma) {
    static const ColorMatrix kIdentity = {
        {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
    DllExports::GdipCreateImageAttributes(&m_attributes);
    DllExports::GdipSetImageAttributesGamma(m_attributes, ColorAdjustTypeBitmap, TRUE, gamma);
    DllExports::GdipSetImageAttributesColorMatrix(m_attributes, ColorAdjustTypeBitmap, TRUE,
                                                  &kIdentity, nullptr, ColorMatrixFlagsDefault);
}

GammaAttributes::~GammaAttributes() {
    if (m_attributes != nullptr) {
        DllExports::GdipDisposeImageAttributes(m_attributes);
    }
}
