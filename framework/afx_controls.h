// Thin wrappers over the system's standard controls.
#pragma once

#include "afx_wnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
  public:
    // A system button owned by this object; dwStyle carries WS_CHILD, the button type and flags.
    BOOL Create(const wchar_t* pszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID) {
        return CreateEx(0, L"BUTTON", pszCaption, dwStyle, rect, pParentWnd, nID);
    }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
        SendMessage(BM_SETSTYLE, nStyle, bRedraw);
    }

    // Owner-drawn buttons draw here; the parent's WM_DRAWITEM is passed back to the button.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

  protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
  public:
    // A system static control owned by this object.
    BOOL Create(const wchar_t* pszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF) {
        return CreateEx(0, L"STATIC", pszText, dwStyle, rect, pParentWnd, nID);
    }
};

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
  public:
    int AddString(const wchar_t* psz) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz)));
    }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
    }
    int InitStorage(int nItems, UINT nBytes) {
        return static_cast<int>(SendMessage(CB_INITSTORAGE, static_cast<WPARAM>(nItems), nBytes));
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    CString GetLBText(int nIndex) const;
};

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
  public:
    int AddString(const wchar_t* psz) {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz)));
    }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect)));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    CString GetText(int nIndex) const;
};

class CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)
  public:
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE) {
        return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
    }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
        ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
    }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE) {
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    }
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE) {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
        return TRUE;
    }
    // The largest position the thumb can reach: the range's maximum less the page plus one.
    int GetScrollLimit() const;
    static int ScrollLimit(const SCROLLINFO& info);
};
