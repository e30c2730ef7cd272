// Dialogs from resource templates, modal with the framework's own loop, and data exchange.
#pragma once

#include "afx_exception.h"
#include "afx_wnd.h"

class CDialog;

// Raised by a failed validation; UpdateData catches it.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

class CDataExchange {
  public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    HWND PrepareCtrl(int nIDC);
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
  public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    // Runs the dialog until EndDialog; -1 when the window could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; it lives until DestroyWindow.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual BOOL OnInitDialog();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

  protected:
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();
    // The window a modal dialog belongs to: the given parent, else the main window.
    HWND FindOwner() const;

    DECLARE_MESSAGE_MAP()

  private:
    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    bool m_bInModalLoop = false;
    int m_nModalResult = -1;
};
