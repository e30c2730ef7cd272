#include "static_3d.h"

#include "frame_painting.h"
#include "rect_conversion.h"
#include "static_3d_rules.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(A3dStatic, CStatic)

BEGIN_MESSAGE_MAP(A3dStatic, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

A3dStatic::A3dStatic()
    : m_clrText(::GetSysColor(COLOR_BTNTEXT)), m_clrBackground(::GetSysColor(COLOR_BTNFACE)) {}

void A3dStatic::DrawContent(CDC* pDC) {
    DrawLabelText(pDC, m_rcText, m_clrBackground);
}

void A3dStatic::DrawLabelText(CDC* pDC, const RECT& rect, COLORREF clrCells) {
    int nSaved = pDC->SaveDC();
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    ::SelectObject(pDC->m_hDC, hFont != nullptr ? hFont : ::GetStockObject(SYSTEM_FONT));
    pDC->SetTextColor(m_clrText);
    pDC->SetBkColor(clrCells);
    pDC->SetBkMode(OPAQUE);
    CRect rc(rect);
    pDC->DrawText(m_strText, -1, &rc, m_nTextFormat);
    pDC->RestoreDC(nSaved);
}

// Windows made by the framework are taken over after their creation, so the text area is set
// here rather than on WM_CREATE. The window's own text, a template caption included, is not the
// label's: it shows only what it is given.
void A3dStatic::PreSubclassWindow() {
    ResetTextRect();
}

void A3dStatic::PostNcDestroy() {
    CStatic::PostNcDestroy();
    if (m_bAutoDelete) {
        delete this;
    }
}

void A3dStatic::OnSize(UINT, int, int) {
    Default();
    ResetTextRect();
}

void A3dStatic::OnPaint() {
    CPaintDC dc(this);
    DrawContent(&dc);
}

// The old text is drawn again in the background colour, which takes it away, and the new one
// over it; the rest of the label is not touched.
LRESULT A3dStatic::OnSetText(WPARAM, LPARAM lParam) {
    CString strNew(reinterpret_cast<const wchar_t*>(lParam));
    if (m_bRepaintOnTextChange) {
        m_strText = strNew;
        Invalidate(TRUE);
        return TRUE;
    }
    CClientDC dc(this);
    COLORREF clrText = m_clrText;
    m_clrText = m_clrBackground;
    DrawContent(&dc);
    m_strText = strNew;
    m_clrText = clrText;
    DrawContent(&dc);
    return TRUE;
}

LRESULT A3dStatic::OnGetText(WPARAM wParam, LPARAM lParam) {
    auto* pBuffer = reinterpret_cast<wchar_t*>(lParam);
    if (wParam == 0 || pBuffer == nullptr) {
        return 0;
    }
    std::size_t nCopied = TextCharsThatFit(static_cast<std::size_t>(m_strText.GetLength()), wParam);
    std::wmemcpy(pBuffer, m_strText, nCopied);
    pBuffer[nCopied] = L'\0';
    return static_cast<LRESULT>(nCopied);
}

LRESULT A3dStatic::OnGetTextLength(WPARAM, LPARAM) {
    return m_strText.GetLength();
}

BOOL A3dStatic::OnEraseBkgnd(CDC* pDC) {
    if (m_bPlain) {
        return TRUE;
    }
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, m_clrBackground);
    CRect rcInside = DrawRoundFrame(pDC, rc, 1, RGB(0, 0, 0));
    if (!rcInside.IsRectEmpty()) {
        DrawPanelFrame(pDC, rcInside, ::GetSysColor(COLOR_BTNFACE), kSunkenBevel, kNoBevel, 1, 0,
                       nullptr);
    }
    return TRUE;
}

void A3dStatic::ResetTextRect() {
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcText = ToCRect(InsetTextRect(ToIntRect(rcClient), m_bPlain != FALSE));
}
