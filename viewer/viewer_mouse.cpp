// The mouse over the viewer: click-zoom in the picture area, panning on the navigator, the
// cursor of each area, and the hidden Shift double click.
#include "viewer_dlg.h"

#include "gdiplus_image.h"
#include "layout_scaling.h"
#include "mouse_mapping.h"
#include "navigator_tracker.h"
#include "resource.h"
#include "view_geometry.h"

namespace {

IntRect ToIntRect(const CRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A point of the dialog in a control's client coordinates, through the screen.
CPoint ToControl(HWND hDlg, HWND hControl, CPoint point) {
    ::ClientToScreen(hDlg, &point);
    ::ScreenToClient(hControl, &point);
    return point;
}

CRect ClientOf(HWND hControl) {
    CRect rect;
    ::GetClientRect(hControl, &rect);
    return rect;
}

} // namespace

void ViewerDlg::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_state.view.m_fZoom < kMaxZoom) {
        HandleNavigatorClick(point);
    }
    HandlePictureClick(point);
    CDialog::OnLButtonDown(nFlags, point);
}

void ViewerDlg::HandlePictureClick(CPoint point) {
    HWND hArea = ::GetDlgItem(m_hWnd, IDC_PICTURE);
    CPoint at = ToControl(m_hWnd, hArea, point);
    CRect area = ClientOf(hArea);
    if (!IsStrictlyInside(ToIntRect(area), at.x, at.y)) {
        return;
    }
    m_state.view.m_nCenterX =
        PictureCoordinate(m_state.view.m_nSrcWidth, at.x, area.Width(), m_state.view.m_nSrcX);
    m_state.view.m_nCenterY =
        PictureCoordinate(m_state.view.m_nSrcHeight, at.y, area.Height(), m_state.view.m_nSrcY);
    UpdateSourceRect();
    UpdateTrackerFromView();
    InvalidateView();
    UpdateScrollBars();
}

void ViewerDlg::HandleNavigatorClick(CPoint point) {
    int savedMode = m_state.settings.m_nZoomMode;
    m_state.settings.m_nZoomMode = kRecentre;
    CRect old;
    m_pTracker->GetTrueRect(&old);
    bool moved = m_pTracker->HitTest(point) == CRectTracker::hitNothing
                     ? CentreOnThumbnailPoint(point)
                     : DragNavigator(point);
    if (moved) {
        InvalidateRect(&old, FALSE);
    }
    m_state.settings.m_nZoomMode = savedMode;
}

bool ViewerDlg::CentreOnThumbnailPoint(CPoint point) {
    HWND hThumb = ::GetDlgItem(m_hWnd, IDC_THUMBNAIL);
    CPoint at = ToControl(m_hWnd, hThumb, point);
    CRect thumb = ClientOf(hThumb);
    if (!IsStrictlyInside(ToIntRect(thumb), at.x, at.y)) {
        return false;
    }
    m_state.view.m_nCenterX = ThumbnailToPicture(PictureWidth(), at.x, thumb.Width());
    m_state.view.m_nCenterY = ThumbnailToPicture(PictureHeight(), at.y, thumb.Height());
    UpdateSourceRect();
    UpdateTrackerFromView();
    UpdateScrollBars();
    return true;
}

bool ViewerDlg::DragNavigator(CPoint point) {
    ::SetCursor(m_hCursorDrag);
    if (!m_pTracker->Track(this, point, FALSE, nullptr)) {
        return false;
    }
    CRect thumb = ControlClientRect(IDC_THUMBNAIL);
    if (thumb.Width() == 0 || thumb.Height() == 0) {
        return false;
    }
    m_state.view.m_nSrcX = OffsetFromNavigator(m_pTracker->m_rect.left - thumb.left, PictureWidth(),
                                               thumb.Width(), m_state.view.m_nSrcWidth);
    m_state.view.m_nSrcY = OffsetFromNavigator(m_pTracker->m_rect.top - thumb.top, PictureHeight(),
                                               thumb.Height(), m_state.view.m_nSrcHeight);
    m_state.view.m_nCenterX = m_state.view.m_nSrcX + m_state.view.m_nSrcWidth / 2;
    m_state.view.m_nCenterY = m_state.view.m_nSrcY + m_state.view.m_nSrcHeight / 2;
    UpdateScrollBars();
    return true;
}

BOOL ViewerDlg::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    BOOL result = CDialog::OnSetCursor(pWnd, nHitTest, message);
    RelayButtonMouseMessage(pWnd, message, point);

    ViewerCursor cursor = CursorAt(ToIntRect(ControlClientRect(IDC_PICTURE)),
                                   ToIntRect(ControlClientRect(IDC_THUMBNAIL)), point.x, point.y,
                                   m_state.settings.m_nZoomMode, m_state.view.m_fZoom < kMaxZoom);
    switch (cursor) {
    case ViewerCursor::ZoomIn:
        ::SetCursor(m_hCursorZoomIn);
        return TRUE;
    case ViewerCursor::ZoomOut:
        ::SetCursor(m_hCursorZoomOut);
        return TRUE;
    case ViewerCursor::OpenHand:
        ::SetCursor(m_hCursorThumb);
        return TRUE;
    case ViewerCursor::Arrow:
        return TRUE;
    case ViewerCursor::Default:
        break;
    }
    return result;
}

void ViewerDlg::RelayButtonMouseMessage(CWnd* pWnd, UINT message, CPoint point) {
    if (pWnd == nullptr) {
        return;
    }
    wchar_t className[20] = L"";
    ::GetClassNameW(pWnd->m_hWnd, className, 20);
    if (_wcsicmp(className, L"button") != 0) {
        return;
    }
    MSG msg{};
    msg.hwnd = pWnd->m_hWnd;
    msg.message = message;
    msg.pt = point;
    m_tipPicture.RelayEvent(&msg);
}

void ViewerDlg::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (IsShiftDoubleClick(nFlags)) {
        CClientDC dc(this);
        dc.TextOut(0, 0, L"0320", 4);
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    }
    CDialog::OnLButtonDblClk(nFlags, point);
}
