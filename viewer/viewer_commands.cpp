// The small commands: brightness, picture quality, the zoom-mode toggles.
#include "viewer_dlg.h"

#include "resource.h"
#include "view_adjustments.h"
#include "view_geometry.h"

bool ViewerDlg::IsToggleDown(int nID) const {
    return ::SendDlgItemMessageW(m_hWnd, nID, BM_GETCHECK, 0, 0) != 0;
}

void ViewerDlg::SetToggle(int nID, bool bDown) {
    ::SendDlgItemMessageW(m_hWnd, nID, BM_SETCHECK, bDown ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ViewerDlg::ReleaseZoomToggles() {
    for (int nID : {IDC_ZOOM_IN_MODE, IDC_ZOOM_OUT_MODE}) {
        if (IsToggleDown(nID)) {
            SetToggle(nID, false);
            m_state.settings.m_nZoomMode = kNoZoom;
        }
    }
}

void ViewerDlg::OnBrighter() {
    m_state.settings.m_fGamma = BrighterGamma(m_state.settings.m_fGamma);
    ReleaseZoomToggles();
    InvalidateView();
}

void ViewerDlg::OnDarker() {
    m_state.settings.m_fGamma = DarkerGamma(m_state.settings.m_fGamma);
    ReleaseZoomToggles();
    InvalidateView();
}

void ViewerDlg::OnQualityChange() {
    int index = static_cast<int>(::SendDlgItemMessageW(m_hWnd, IDC_QUALITY, CB_GETCURSEL, 0, 0));
    m_state.settings.m_nInterpolation =
        InterpolationForQuality(index, m_state.settings.m_nInterpolation);
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_ZOOM_IN));
    InvalidateView();
}

void ViewerDlg::OnZoomInMode() {
    FollowToggle(IDC_ZOOM_IN_MODE, IDC_ZOOM_OUT_MODE, kZoomIn);
}

void ViewerDlg::OnZoomOutMode() {
    FollowToggle(IDC_ZOOM_OUT_MODE, IDC_ZOOM_IN_MODE, kZoomOut);
}

void ViewerDlg::FollowToggle(int nClicked, int nOther, int mode) {
    if (IsToggleDown(nOther)) {
        SetToggle(nOther, false);
    }
    // Only exactly 1 is down: an indeterminate state counts as up.
    bool bDown = ::SendDlgItemMessageW(m_hWnd, nClicked, BM_GETCHECK, 0, 0) == BST_CHECKED;
    m_state.settings.m_nZoomMode = bDown ? mode : kNoZoom;
}
