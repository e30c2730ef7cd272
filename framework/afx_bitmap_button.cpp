#include "afx_bitmap_button.h"

#include "afx_dc.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

namespace {

BOOL LoadFace(CBitmap& face, UINT nID) {
    face.DeleteObject();
    return nID == 0 || face.LoadBitmap(nID);
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled) {
    BOOL ok = nIDBitmapResource != 0 && LoadFace(m_bitmap, nIDBitmapResource);
    ok = LoadFace(m_bitmapSel, nIDBitmapResourceSel) && ok;
    ok = LoadFace(m_bitmapFocus, nIDBitmapResourceFocus) && ok;
    ok = LoadFace(m_bitmapDisabled, nIDBitmapResourceDisabled) && ok;
    return ok;
}

void CBitmapButton::SizeToContent() {
    CSize size = GetFaceSize();
    if (size.cx == 0) {
        return;
    }
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CSize CBitmapButton::GetFaceSize() const {
    BITMAP bm{};
    if (m_bitmap.GetBitmap(&bm) == 0) {
        return CSize(0, 0);
    }
    return CSize(bm.bmWidth, bm.bmHeight);
}

CBitmap& CBitmapButton::FaceFor(UINT itemState) {
    if ((itemState & ODS_SELECTED) && m_bitmapSel.m_hObject != nullptr) {
        return m_bitmapSel;
    }
    if ((itemState & ODS_FOCUS) && m_bitmapFocus.m_hObject != nullptr) {
        return m_bitmapFocus;
    }
    if ((itemState & ODS_DISABLED) && m_bitmapDisabled.m_hObject != nullptr) {
        return m_bitmapDisabled;
    }
    return m_bitmap;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CBitmap& face = FaceFor(lpDIS->itemState);
    if (face.m_hObject == nullptr) {
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC)) {
        return;
    }
    CGdiObject* pOld = memDC.SelectObject(&face);
    const RECT& rc = lpDIS->rcItem;
    pDC->BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}
