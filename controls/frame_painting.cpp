#include "frame_painting.h"

#include "edge_colors.h"

namespace {

// An inverted band is empty: the system would fill it mirrored, outside where it belongs.
void FillWith(CDC* pDC, int left, int top, int right, int bottom, CBrush* pBrush) {
    CRect band(left, top, right, bottom);
    if (!band.IsRectEmpty()) {
        pDC->FillRect(&band, pBrush);
    }
}

// One ring: the top-left brush takes three corners, the bottom-right brush only its own.
void PaintBevelRing(CDC* pDC, const CRect& r, CBrush* pTopLeft, CBrush* pBottomRight) {
    FillWith(pDC, r.left, r.top, r.right, r.top + 1, pTopLeft);
    FillWith(pDC, r.left, r.top, r.left + 1, r.bottom, pTopLeft);
    FillWith(pDC, r.left + 1, r.bottom - 1, r.right, r.bottom, pBottomRight);
    FillWith(pDC, r.right - 1, r.top + 1, r.right, r.bottom, pBottomRight);
}

} // namespace

CRect DrawRoundFrame(CDC* pDC, const RECT& rect, int nWidth, COLORREF clr) {
    CRect r(rect);
    if (nWidth <= 0) {
        return r;
    }
    CPen pen(PS_INSIDEFRAME, nWidth, clr);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    CGdiObject* pOldPen = pDC->SelectObject(&pen);
    ::RoundRect(pDC->m_hDC, r.left, r.top, r.right, r.bottom, 2, 2);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    r.DeflateRect(nWidth, nWidth);
    return r;
}

CRect DrawBevel(CDC* pDC, const RECT& rect, BOOL bSunken, int nWidth, COLORREF clrFace) {
    CRect r(rect);
    if (nWidth <= 0 || r.IsRectEmpty()) {
        return r;
    }
    CBrush light(HighlightColor(clrFace));
    CBrush dark(ShadowColor(clrFace));
    CBrush* pTopLeft = bSunken ? &dark : &light;
    CBrush* pBottomRight = bSunken ? &light : &dark;
    for (int i = 0; i < nWidth; ++i) {
        PaintBevelRing(pDC, r, pTopLeft, pBottomRight);
        r.DeflateRect(1, 1);
    }
    return r;
}

void FillBetweenRects(CDC* pDC, const RECT& outer, const RECT& inner, COLORREF clr) {
    CBrush brush(clr);
    FillWith(pDC, outer.left, outer.top, inner.right, inner.top, &brush);
    FillWith(pDC, inner.right, outer.top, outer.right, inner.bottom, &brush);
    FillWith(pDC, inner.left, inner.bottom, outer.right, outer.bottom, &brush);
    FillWith(pDC, outer.left, inner.top, inner.left, outer.bottom, &brush);
}

CRect FillMargin(CDC* pDC, const RECT& rect, int nMargin, COLORREF clr, const RECT* pInsets) {
    CRect inner(rect);
    inner.DeflateRect(nMargin, nMargin);
    if (pInsets != nullptr) {
        inner.left += pInsets->left;
        inner.top += pInsets->top;
        inner.right -= pInsets->right;
        inner.bottom -= pInsets->bottom;
    }
    FillBetweenRects(pDC, rect, inner, clr);
    return inner;
}

CRect DrawPanelFrame(CDC* pDC, const RECT& rect, COLORREF clrFace, int nOuterBevel, int nInnerBevel,
                     int nBevelWidth, int nMargin, const RECT* pInsets) {
    CRect r(rect);
    if (nOuterBevel != kNoBevel) {
        r = DrawBevel(pDC, r, nOuterBevel == kSunkenBevel, nBevelWidth, clrFace);
    }
    if (nMargin != 0 || pInsets != nullptr) {
        r = FillMargin(pDC, r, nMargin, clrFace, pInsets);
    }
    if (nInnerBevel != kNoBevel) {
        r = DrawBevel(pDC, r, nInnerBevel == kSunkenBevel, nBevelWidth, clrFace);
    }
    return r;
}

CRect DrawPanel(CDC* pDC, const RECT& rect, COLORREF clrFace, int nOuterBevel, int nInnerBevel,
                int nBevelWidth, int nMargin, const RECT* pInsets) {
    CRect r =
        DrawPanelFrame(pDC, rect, clrFace, nOuterBevel, nInnerBevel, nBevelWidth, nMargin, pInsets);
    CBrush face(clrFace);
    FillWith(pDC, r.left, r.top, r.right, r.bottom, &face);
    return r;
}
