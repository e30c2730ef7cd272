#include "button_parent.h"

BEGIN_MESSAGE_MAP(ButtonParent, CWnd)
ON_MESSAGE(WM_PARENTNOTIFY, OnParentNotify)
END_MESSAGE_MAP()

HWND ButtonParent::AddButton(int id, DWORD style) {
    int x = 10 + 45 * m_nButtons++;
    return ::CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE | style, x, 20, 40, 30,
                             m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                             nullptr);
}

BOOL ButtonParent::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND hButton = reinterpret_cast<HWND>(lParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        int check = static_cast<int>(::SendMessageW(hButton, BM_GETCHECK, 0, 0));
        m_clicks.push_back(
            {LOWORD(wParam), check, std::wstring(CWnd::FromHandle(hButton)->GetWindowText())});
        if (LOWORD(wParam) == m_nDestroyOnClick) {
            ::DestroyWindow(hButton);
        }
    }
    return TRUE;
}

LRESULT ButtonParent::OnParentNotify(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WM_LBUTTONUP) {
        m_releases.push_back(CPoint(lParam));
    }
    return Default();
}
