#include "button_root.h"

#include "button_release.h"

IMPLEMENT_DYNAMIC(AButtonRoot, CButton)

BEGIN_MESSAGE_MAP(AButtonRoot, CWnd)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void AButtonRoot::PostNcDestroy() {
    CButton::PostNcDestroy();
    if (m_bAutoDelete) {
        delete this;
    }
}

void AButtonRoot::OnLButtonDown(UINT, CPoint) {
    m_bMousePressed = TRUE;
    Default();
}

void AButtonRoot::OnLButtonUp(UINT, CPoint point) {
    HWND hWnd = m_hWnd;
    Default();
    EndPressAfterRelease(this, hWnd, point);
}

void AButtonRoot::OnLButtonDblClk(UINT nFlags, CPoint point) {
    HWND hWnd = m_hWnd;
    Default();
    PressAgainAfterDoubleClick(hWnd, nFlags, point);
}
