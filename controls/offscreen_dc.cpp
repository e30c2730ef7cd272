#include "offscreen_dc.h"

AOffscreenDC::~AOffscreenDC() {
    SelectPreviousObjectBack();
}

void AOffscreenDC::CreateCompatibleOrThrow(CDC* pReference) {
    if (!CreateCompatibleDC(pReference)) {
        AfxThrowResourceException();
    }
}

void AOffscreenDC::SelectWorkingBitmap(CBitmap* pBitmap) {
    m_pPrevObject = SelectObject(pBitmap);
}

CSize AOffscreenDC::TabbedTextOut(int x, int y, const wchar_t* psz, int nCount, int nTabPositions,
                                  const int* lpnTabStopPositions, int nTabOrigin) {
    LONG extent =
        ::TabbedTextOutW(m_hDC, x, y, psz, nCount, nTabPositions, lpnTabStopPositions, nTabOrigin);
    return CSize(static_cast<short>(LOWORD(extent)), static_cast<short>(HIWORD(extent)));
}

BOOL AOffscreenDC::GrayString(CBrush* pBrush, GRAYSTRINGPROC lpfnOutput, LPARAM lpData, int nCount,
                              int x, int y, int nWidth, int nHeight) {
    HBRUSH hBrush = pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr;
    return ::GrayStringW(m_hDC, hBrush, lpfnOutput, lpData, nCount, x, y, nWidth, nHeight);
}

void AOffscreenDC::SelectPreviousObjectBack() {
    if (m_pPrevObject != nullptr && m_hDC != nullptr) {
        ::SelectObject(m_hDC, m_pPrevObject->m_hObject);
    }
}

AOwnedBitmapDC::~AOwnedBitmapDC() {
    if (m_pPrevObject != nullptr) {
        SelectPreviousObjectBack();
        m_bmpOwn.DeleteObject();
    }
}

void AOwnedBitmapDC::CreateMonochromeBitmap(int nWidth, int nHeight) {
    if (!m_bmpOwn.Attach(::CreateBitmap(nWidth, nHeight, 1, 1, nullptr))) {
        AfxThrowResourceException();
    }
    SelectWorkingBitmap(&m_bmpOwn);
}
