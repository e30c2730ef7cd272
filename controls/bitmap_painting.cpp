#include "bitmap_painting.h"

#include "offscreen_dc.h"
#include "placement.h"
#include "rect_conversion.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

CRect Place(const RECT& area, int width, int height, UINT nFlags) {
    return ToCRect(PlaceRect(ToIntRect(area), width, height, nFlags));
}

// Copies the source rectangle's size from its origin in pSource to the target's origin.
void Blit(CDC* pTarget, const CRect& target, CDC* pSource, const CRect& source, DWORD dwRop) {
    pTarget->BitBlt(target.left, target.top, target.Width(), target.Height(), pSource, source.left,
                    source.top, dwRop);
}

// 1 where the source pixel has the key colour, 0 elsewhere.
void BuildMask(AOwnedBitmapDC* pMask, AOffscreenDC* pSource, const BITMAP& bm, COLORREF clrKey) {
    pMask->CreateCompatibleOrThrow(pSource);
    pMask->CreateMonochromeBitmap(bm.bmWidth, bm.bmHeight);
    COLORREF clrOldBk = pSource->SetBkColor(clrKey);
    pMask->BitBlt(0, 0, bm.bmWidth, bm.bmHeight, pSource, 0, 0, SRCCOPY);
    pSource->SetBkColor(clrOldBk);
}

void DrawByExclusiveOr(CDC* pDC, const CRect& target, CDC* pSource, CDC* pMask,
                       const CRect& source) {
    Blit(pDC, target, pSource, source, SRCINVERT);
    Blit(pDC, target, pMask, source, SRCAND);
    Blit(pDC, target, pSource, source, SRCINVERT);
}

// Paints the mask onto the source's own bitmap: key pixels are combined with clrKeyTo, the rest
// with clrRest, which is to be the operation's identity (white for AND, black for OR).
void RecolourKeyPixels(CDC* pSource, CDC* pMask, const CRect& source, COLORREF clrKeyTo,
                       COLORREF clrRest, DWORD dwRop) {
    pSource->SetBkColor(clrKeyTo);
    pSource->SetTextColor(clrRest);
    Blit(pSource, source, pMask, source, dwRop);
}

// The key pixels of the caller's bitmap are black while it is painted in, unless black already
// is the key, and get their colour back afterwards.
void DrawByMask(CDC* pDC, const CRect& target, CDC* pSource, CDC* pMask, const CRect& source,
                COLORREF clrKey) {
    if (clrKey != kBlack) {
        RecolourKeyPixels(pSource, pMask, source, kBlack, kWhite, SRCAND);
    }
    Blit(pDC, target, pMask, source, SRCAND);
    Blit(pDC, target, pSource, source, SRCPAINT);
    if (clrKey != kBlack) {
        RecolourKeyPixels(pSource, pMask, source, clrKey, kBlack, SRCPAINT);
    }
}

void DrawTransparent(CDC* pDC, const CRect& target, AOffscreenDC* pSource, const BITMAP& bm,
                     const CRect& source, int nMode, COLORREF clrKey) {
    AOwnedBitmapDC mask;
    BuildMask(&mask, pSource, bm, clrKey);
    // Mask bits reach the target as white (key) and black (opaque).
    COLORREF clrOldBk = pDC->SetBkColor(kWhite);
    COLORREF clrOldText = pDC->SetTextColor(kBlack);
    if (nMode == kXorTransparent) {
        DrawByExclusiveOr(pDC, target, pSource, &mask, source);
    } else if (nMode == kMaskTransparent) {
        DrawByMask(pDC, target, pSource, &mask, source, clrKey);
    }
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}

} // namespace

CRect DrawBitmap(CDC* pDC, const RECT& area, CBitmap* pBitmap, UINT nFlags, int nMode,
                 COLORREF clrKey) {
    BITMAP bm{};
    if (pBitmap == nullptr || pBitmap->GetBitmap(&bm) == 0) {
        return CRect(area);
    }
    ASharedBitmapDC source;
    source.CreateCompatibleOrThrow(pDC);
    source.SelectWorkingBitmap(pBitmap);
    CRect rcSource = ToCRect(
        CropToArea(bm.bmWidth, bm.bmHeight, area.right - area.left, area.bottom - area.top));
    CRect rcTarget = Place(area, rcSource.Width(), rcSource.Height(), nFlags);
    if (nMode == kOpaqueCopy) {
        Blit(pDC, rcTarget, &source, rcSource, SRCCOPY);
    } else {
        DrawTransparent(pDC, rcTarget, &source, bm, rcSource, nMode, clrKey);
    }
    return rcTarget;
}

CRect DrawResourceBitmap(CDC* pDC, const RECT& area, UINT nID, UINT nFlags, int nMode,
                         COLORREF clrKey) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nID)) {
        return CRect(area);
    }
    return DrawBitmap(pDC, area, &bitmap, nFlags, nMode, clrKey);
}

CRect DrawImage(CDC* pDC, const RECT& area, UINT nID, BOOL bIcon, UINT nFlags) {
    if (!bIcon) {
        return DrawResourceBitmap(pDC, area, nID, nFlags, kMaskTransparent, kTransparentKey);
    }
    HICON hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID));
    if (hIcon == nullptr) {
        return CRect(area);
    }
    CRect placed =
        Place(area, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), nFlags);
    pDC->DrawIcon(placed.left, placed.top, hIcon);
    ::DestroyIcon(hIcon);
    return placed;
}
