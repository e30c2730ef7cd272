// The navigator's thumbnail: the whole picture stretched through the brightness gamma. It changes
// only with the picture, the gamma or its place, so it is drawn once for them and copied to the
// screen on every other paint.
#pragma once

#include <windows.h>

class GdiplusImage;

class NavigatorThumbnail {
  public:
    NavigatorThumbnail() = default;
    ~NavigatorThumbnail();
    NavigatorThumbnail(const NavigatorThumbnail&) = delete;
    NavigatorThumbnail& operator=(const NavigatorThumbnail&) = delete;

    // Puts the thumbnail of the picture at this gamma into the area of hDC, drawing it anew when
    // the one kept is of another picture, gamma or area.
    void Show(HDC hDC, GdiplusImage& picture, float gamma, const RECT& area);

  private:
    bool Holds(const GdiplusImage& picture, float gamma, const RECT& area) const;
    void Draw(HDC hDC, GdiplusImage& picture, float gamma, const RECT& area);
    void Release();

    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    const GdiplusImage* m_pPicture = nullptr;
    float m_fGamma = 0.0f;
    RECT m_rcArea{};
};
