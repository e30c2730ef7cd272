#include "navigator_thumbnail.h"

#include "gdiplus_drawing.h"
#include "gdiplus_image.h"

namespace {

void DrawStraight(HDC hDC, GdiplusImage& picture, float gamma, const RECT& area) {
    GdiplusGraphics graphics(hDC);
    GammaAttributes attributes(gamma);
    RECT whole{0, 0, static_cast<LONG>(picture.Width()), static_cast<LONG>(picture.Height())};
    graphics.DrawImage(picture, area, whole, attributes.Native());
}

} // namespace

NavigatorThumbnail::~NavigatorThumbnail() {
    Release();
}

void NavigatorThumbnail::Show(HDC hDC, GdiplusImage& picture, float gamma, const RECT& area) {
    if (!Holds(picture, gamma, area)) {
        Draw(hDC, picture, gamma, area);
    }
    if (m_hDC == nullptr) {
        return;
    }
    ::BitBlt(hDC, area.left, area.top, area.right - area.left, area.bottom - area.top, m_hDC,
             area.left, area.top, SRCCOPY);
}

bool NavigatorThumbnail::Holds(const GdiplusImage& picture, float gamma, const RECT& area) const {
    return m_hDC != nullptr && m_pPicture == &picture && m_fGamma == gamma &&
           ::EqualRect(&m_rcArea, &area);
}

// The stretch is drawn at the area's own place in a bitmap reaching from the dialog's origin (the
// imaging library's sampling depends on where the destination lies) over what the screen shows
// there, so its pixels are those a draw straight to the screen gives.
void NavigatorThumbnail::Draw(HDC hDC, GdiplusImage& picture, float gamma, const RECT& area) {
    Release();
    // A picture without pixels draws nothing; there is nothing to keep.
    if (picture.Width() != 0) {
        m_hDC = ::CreateCompatibleDC(hDC);
        m_hBitmap = ::CreateCompatibleBitmap(hDC, area.right, area.bottom);
    }
    if (m_hDC == nullptr || m_hBitmap == nullptr) {
        Release();
        DrawStraight(hDC, picture, gamma, area);
        return;
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    ::BitBlt(m_hDC, area.left, area.top, area.right - area.left, area.bottom - area.top, hDC,
             area.left, area.top, SRCCOPY);
    DrawStraight(m_hDC, picture, gamma, area);
    m_pPicture = &picture;
    m_fGamma = gamma;
    m_rcArea = area;
}

void NavigatorThumbnail::Release() {
    if (m_hDC != nullptr) {
        if (m_hOldBitmap != nullptr) {
            ::SelectObject(m_hDC, m_hOldBitmap);
        }
        ::DeleteDC(m_hDC);
    }
    if (m_hBitmap != nullptr) {
        ::DeleteObject(m_hBitmap);
    }
    m_hDC = nullptr;
    m_hBitmap = nullptr;
    m_hOldBitmap = nullptr;
    m_pPicture = nullptr;
}
