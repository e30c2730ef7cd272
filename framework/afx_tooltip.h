// The common-controls tooltip. Tools are added without subclassing, so the owner must relay
// mouse messages to it (RelayEvent) for tips to show.
#pragma once

#include "afx_wnd.h"

#include <commctrl.h>

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
  public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // With nIDTool 0 the tool is the window pWnd itself; otherwise a rectangle of pWnd.
    BOOL AddTool(CWnd* pWnd, const wchar_t* pszText, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    void RelayEvent(LPMSG lpMsg) {
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
    }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    CString GetText(CWnd* pWnd, UINT_PTR nIDTool = 0) const;

  private:
    static TOOLINFOW ToolInfo(CWnd* pWnd, UINT_PTR nIDTool);
};
