#include "afx_tooltip.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    RECT rc = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, rc, pParentWnd, 0);
}

TOOLINFOW CToolTipCtrl::ToolInfo(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(pWnd->m_hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        ti.hwnd = pWnd->m_hWnd;
        ti.uId = nIDTool;
    }
    return ti;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const wchar_t* pszText, LPCRECT lpRectTool,
                           UINT_PTR nIDTool) {
    TOOLINFOW ti = ToolInfo(pWnd, nIDTool);
    if (lpRectTool != nullptr) {
        ti.rect = *lpRectTool;
    }
    ti.hinst = nullptr;
    ti.lpszText = const_cast<wchar_t*>(pszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

CString CToolTipCtrl::GetText(CWnd* pWnd, UINT_PTR nIDTool) const {
    wchar_t buffer[256] = L"";
    TOOLINFOW ti = ToolInfo(pWnd, nIDTool);
    ti.lpszText = buffer;
    SendMessage(TTM_GETTEXTW, sizeof(buffer) / sizeof(buffer[0]), reinterpret_cast<LPARAM>(&ti));
    return CString(buffer);
}
