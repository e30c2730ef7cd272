#include "afx_gdi.h"

#include "afx_app.h"
#include "afx_dc.h"
#include "afx_exception.h"
#include "afx_handle_map.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

namespace {

CHandleMap<CGdiObject, HGDIOBJ>& GdiObjectMap() {
    static CHandleMap<CGdiObject, HGDIOBJ> map(&CGdiObject::m_hObject);
    return map;
}

} // namespace

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return GdiObjectMap().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap() {
    GdiObjectMap().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (hObject == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = hObject;
    GdiObjectMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr) {
        GdiObjectMap().RemoveHandle(hObject);
    }
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    HGDIOBJ hObject = Detach();
    return hObject != nullptr && ::DeleteObject(hObject);
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF clr) {
    if (!CreatePen(nPenStyle, nWidth, clr)) {
        AfxThrowResourceException();
    }
}

CBrush::CBrush(COLORREF clr) {
    if (!CreateSolidBrush(clr)) {
        AfxThrowResourceException();
    }
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       const wchar_t* pszFacename) {
    return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                nQuality, nPitchAndFamily, pszFacename));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
