#include "afx_controls.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) {
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}

namespace {

CString ItemText(const CWnd& control, UINT lenMessage, UINT textMessage, int nIndex) {
    CString text;
    int n = static_cast<int>(control.SendMessage(lenMessage, static_cast<WPARAM>(nIndex)));
    if (n < 0) {
        return text;
    }
    control.SendMessage(textMessage, static_cast<WPARAM>(nIndex),
                        reinterpret_cast<LPARAM>(text.GetBuffer(n + 1)));
    text.ReleaseBuffer();
    return text;
}

} // namespace

CString CComboBox::GetLBText(int nIndex) const {
    return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}

CString CListBox::GetText(int nIndex) const {
    return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) const {
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

int CScrollBar::GetScrollLimit() const {
    SCROLLINFO info{};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE)) {
        return 0;
    }
    return ScrollLimit(info);
}

int CScrollBar::ScrollLimit(const SCROLLINFO& info) {
    int page = info.nPage > 0 ? static_cast<int>(info.nPage) - 1 : 0;
    return info.nMax - page;
}
