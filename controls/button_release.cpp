#include "button_release.h"

void PressAgainAfterDoubleClick(HWND hButton, UINT nFlags, CPoint point) {
    if (::IsWindow(hButton)) {
        ::SendMessageW(hButton, WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
    }
}

void ReportReleaseToParent(CWnd* pButton, CPoint point) {
    CWnd* pParent = pButton->GetParent();
    if (pParent == nullptr) {
        return;
    }
    pButton->ClientToScreen(&point);
    CRect window;
    pButton->GetWindowRect(&window);
    if (!window.PtInRect(point)) {
        point = window.TopLeft();
    }
    pParent->ScreenToClient(&point);
    pParent->SendMessage(WM_PARENTNOTIFY, WM_LBUTTONUP, MAKELPARAM(point.x, point.y));
}
