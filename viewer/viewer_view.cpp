// Zoom, pan and scroll bars: the geometry functions work on the view state, and the results go
// to the bars and the navigator rectangle.
#include "viewer_dlg.h"

#include "gdiplus_image.h"
#include "navigator_tracker.h"
#include "resource.h"
#include "scroll_bar_setup.h"
#include "scroll_position.h"
#include "view_geometry.h"

#include <memory>

namespace {

// Each call redrawing the bar at once drew it three times, in front of the picture; set quietly,
// it is drawn once from its final state when the dialog's paint has been done.
void ApplyScrollBar(HWND hBar, const ScrollBarSetup& setup) {
    ::SetScrollRange(hBar, SB_CTL, setup.nMin, setup.nMax, FALSE);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    info.nPage = static_cast<UINT>(setup.nPage);
    ::SetScrollInfo(hBar, SB_CTL, &info, FALSE);
    ::SetScrollPos(hBar, SB_CTL, setup.nPos, FALSE);
    ::InvalidateRect(hBar, nullptr, FALSE);
}

ScrollBarState ReadScrollBar(HWND hBar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(hBar, SB_CTL, &info);
    return {info.nMin, CScrollBar::ScrollLimit(info), static_cast<int>(info.nPage), info.nPos};
}

} // namespace

int ViewerDlg::PictureWidth() {
    return static_cast<int>(m_pImage->Width());
}

int ViewerDlg::PictureHeight() {
    return static_cast<int>(m_pImage->Height());
}

void ViewerDlg::UpdateSourceRect() {
    ApplyZoomStep(m_state.view, m_state.settings.m_nZoomMode, PictureWidth(), PictureHeight());
}

void ViewerDlg::UpdateTrackerFromView() {
    CRect thumb = ControlClientRect(IDC_THUMBNAIL);
    IntRect tracker{};
    if (TrackerRectFromView({thumb.left, thumb.top, thumb.right, thumb.bottom}, m_state.view,
                            PictureWidth(), PictureHeight(), &tracker)) {
        m_pTracker->m_rect = CRect(tracker.left, tracker.top, tracker.right, tracker.bottom);
    }
}

void ViewerDlg::UpdateScrollBars() {
    ApplyScrollBar(::GetDlgItem(m_hWnd, IDC_VSCROLL),
                   ScrollBarFor(PictureHeight(), m_state.view.m_nSrcHeight, m_state.view.m_nSrcY));
    ApplyScrollBar(::GetDlgItem(m_hWnd, IDC_HSCROLL),
                   ScrollBarFor(PictureWidth(), m_state.view.m_nSrcWidth, m_state.view.m_nSrcX));
}

void ViewerDlg::RefreshAfterZoom() {
    UpdateSourceRect();
    UpdateTrackerFromView();
    InvalidateView();
    UpdateScrollBars();
}

void ViewerDlg::CreateTracker() {
    m_rcThumb = ControlClientRect(IDC_THUMBNAIL);
    m_pTracker =
        std::make_unique<NavigatorTracker>(&m_rcThumb, CRectTracker::solidLine, &m_rcThumb, 8);
}

void ViewerDlg::ShowWholePicture() {
    m_state.view.m_nSrcX = 0;
    m_state.view.m_nSrcY = 0;
    m_state.view.m_nSrcWidth = PictureWidth();
    m_state.view.m_nSrcHeight = PictureHeight();
    m_state.view.m_fZoom = kMaxZoom;
    InvalidateView();
    UpdateScrollBars();
    ResetTracker();
}

void ViewerDlg::ResetTracker() {
    m_rcThumb = ControlClientRect(IDC_THUMBNAIL);
    m_pTracker->m_rect = m_rcThumb;
}

void ViewerDlg::OnZoomIn() {
    ZoomAboutViewCentre(kZoomIn);
}

void ViewerDlg::OnZoomOut() {
    ZoomAboutViewCentre(kZoomOut);
}

void ViewerDlg::ZoomAboutViewCentre(int mode) {
    m_state.view.m_nCenterX = m_state.view.m_nSrcX + m_state.view.m_nSrcWidth / 2;
    m_state.view.m_nCenterY = m_state.view.m_nSrcY + m_state.view.m_nSrcHeight / 2;
    m_state.settings.m_nZoomMode = mode;
    RefreshAfterZoom();
}

void ViewerDlg::OnOneToOne() {
    ReleaseZoomToggles();
    m_state.settings.m_nZoomMode = kZoomIn;
    SetToggle(IDC_ZOOM_IN_MODE, true);
    ShowWholePicture();
}

BOOL ViewerDlg::OnMouseWheel(UINT, short zDelta, CPoint) {
    m_state.settings.m_nZoomMode = ZoomModeForWheel(zDelta);
    RefreshAfterZoom();
    return TRUE;
}

void ViewerDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    Pan(nSBCode, nPos, pScrollBar, true);
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void ViewerDlg::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    Pan(nSBCode, nPos, pScrollBar, false);
    CDialog::OnVScroll(nSBCode, nPos, pScrollBar);
}

void ViewerDlg::Pan(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar, bool bHorizontal) {
    int nBar = bHorizontal ? IDC_HSCROLL : IDC_VSCROLL;
    if (pScrollBar == nullptr || pScrollBar->GetDlgCtrlID() != nBar) {
        return;
    }
    int pos = ScrolledPosition(static_cast<int>(nSBCode), ReadScrollBar(pScrollBar->m_hWnd),
                               static_cast<int>(nPos));
    ::SetScrollPos(pScrollBar->m_hWnd, SB_CTL, pos, TRUE);
    if (bHorizontal) {
        m_state.view.m_nSrcX = pos;
        m_state.view.m_nCenterX = pos + m_state.view.m_nSrcWidth / 2;
    } else {
        m_state.view.m_nSrcY = pos;
        m_state.view.m_nCenterY = pos + m_state.view.m_nSrcHeight / 2;
    }
    UpdateTrackerFromView();
    InvalidateView();
}
