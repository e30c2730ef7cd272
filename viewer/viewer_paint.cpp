// Painting the viewer: background, picture area, navigator and zoom caption, straight to the
// screen from the view state.
#include "viewer_dlg.h"

#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "navigator_tracker.h"
#include "picture_load.h"
#include "resource.h"
#include "view_geometry.h"

namespace {

const COLORREF kBackground = RGB(214, 211, 203);
const Gdiplus::ARGB kOutline = 0xFFFF00FF;

// The caption's outline: the text drawn black at these offsets, then white on top.
const POINT kCaptionOutline[] = {{-2, 0}, {2, 0}, {0, -2}, {0, 2}, {-2, -2}, {2, 2},
                                 {-1, 0}, {1, 0}, {0, -1}, {0, 1}, {1, 1},   {-1, -1}};

} // namespace

void ViewerDlg::OnPaint() {
    CPaintDC dc(this);
    if (!IsIconic()) {
        // The picture first: it is what the operator waits for.
        DrawPicture();
        DrawNavigator();
        m_pPictureLoad->AllowDigest();
        GiveIconsOnce();
        return;
    }
    GiveIconsOnce();
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
}

HCURSOR ViewerDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

BOOL ViewerDlg::OnEraseBkgnd(CDC* pDC) {
    CBrush brush(kBackground);
    CGdiObject* pOld = pDC->SelectObject(&brush);
    pDC->PatBlt(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), PATCOPY);
    pDC->SelectObject(pOld);
    return FALSE;
}

void ViewerDlg::InvalidateView() {
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

CRect ViewerDlg::ControlClientRect(int nID) const {
    CRect rect;
    HWND hControl = ::GetDlgItem(m_hWnd, nID);
    if (hControl == nullptr) {
        return rect;
    }
    ::GetClientRect(hControl, &rect);
    ::MapWindowPoints(hControl, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ViewerDlg::DrawPicture() {
    CRect area = ControlClientRect(IDC_PICTURE);
    m_state.area.m_nViewX = area.left;
    m_state.area.m_nViewY = area.top;
    CClientDC dc(this);
    GdiplusGraphics graphics(dc);
    GammaAttributes attributes(m_state.settings.m_fGamma);
    graphics.SetInterpolationMode(m_state.settings.m_nInterpolation);
    graphics.DrawImage(*m_pImage,
                       CRect(m_state.area.m_nViewX, m_state.area.m_nViewY,
                             m_state.area.m_nViewX + m_state.area.m_nViewWidth,
                             m_state.area.m_nViewY + m_state.area.m_nViewHeight),
                       CRect(m_state.view.m_nSrcX, m_state.view.m_nSrcY,
                             m_state.view.m_nSrcX + m_state.view.m_nSrcWidth,
                             m_state.view.m_nSrcY + m_state.view.m_nSrcHeight),
                       attributes.Native());
    if (m_state.settings.m_bPrinting == 0) {
        DrawZoomCaption();
    }
}

void ViewerDlg::DrawNavigator() {
    CRect thumb = ControlClientRect(IDC_THUMBNAIL);
    CClientDC dc(this);
    m_thumbnail.Show(dc.GetSafeHdc(), *m_pImage, m_state.settings.m_fGamma, thumb);
    GdiplusGraphics graphics(dc);
    const CRect& r = m_pTracker->m_rect;
    graphics.DrawOutline(kOutline, r.left + 1, r.top + 1, r.Width() - 3, r.Height() - 3);
}

void ViewerDlg::DrawZoomCaption() {
    CClientDC dc(this);
    CFont font;
    font.CreateFont(::MulDiv(24, m_nDpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    FF_SWISS | DEFAULT_PITCH, L"Arial");
    CGdiObject* pOldFont = dc.SelectObject(&font);
    CString text;
    text.Format(L" X %.1lf ", ZoomCaptionValue(m_state.view.m_fZoom));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    for (const POINT& offset : kCaptionOutline) {
        dc.TextOut(m_state.area.m_nViewX + ::MulDiv(offset.x, m_nDpi, 96),
                   m_state.area.m_nViewY + ::MulDiv(offset.y, m_nDpi, 96), text, text.GetLength());
    }
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(m_state.area.m_nViewX, m_state.area.m_nViewY, text, text.GetLength());
    dc.SelectObject(pOldFont);
}
