#include "afx_dialog.h"

#include "afx_app.h"

IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

HWND CDataExchange::PrepareCtrl(int nIDC) {
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    return m_hWndLastControl;
}

void CDataExchange::Fail() {
    if (m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
    }
    throw new CUserException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* pControl = CWnd::FromHandle(pDX->PrepareCtrl(nIDC));
    if (pControl == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = pControl->GetWindowText();
    } else {
        pControl->SetWindowText(value);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = static_cast<int>(::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
    } else {
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr && !rControl.SubclassWindow(pDX->PrepareCtrl(nIDC))) {
        AfxThrowResourceException();
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return m_hWnd != nullptr && ::IsDialogMessageW(m_hWnd, pMsg);
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_bInModalLoop) {
        m_bInModalLoop = false;
        // Wakes the loop if it is waiting for a message.
        PostMessage(WM_NULL);
    } else if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, nResult);
    }
}

HWND CDialog::FindOwner() const {
    if (m_pParentWnd != nullptr) {
        return m_pParentWnd->m_hWnd;
    }
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == nullptr || pMain == this || pMain->m_hWnd == nullptr) {
        return nullptr;
    }
    return pMain->m_hWnd;
}

INT_PTR CDialog::DoModal() {
    HWND hOwner = FindOwner();
    bool bEnableOwner = hOwner != nullptr && ::IsWindowEnabled(hOwner);
    if (bEnableOwner) {
        ::EnableWindow(hOwner, FALSE);
    }
    m_nModalResult = -1;
    m_bInModalLoop = true;
    HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                     hOwner, &AfxDlgProc, reinterpret_cast<LPARAM>(this));
    if (hWnd != nullptr && m_bInModalLoop) {
        if (!::IsWindowVisible(hWnd)) {
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        }
        RunModalLoop();
    }
    m_bInModalLoop = false;
    if (hWnd != nullptr) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (bEnableOwner) {
        ::EnableWindow(hOwner, TRUE);
        ::SetActiveWindow(hOwner);
    }
    if (hWnd != nullptr) {
        ::DestroyWindow(hWnd);
    }
    return m_nModalResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDTemplate),
                                     FindOwner(), &AfxDlgProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

void CDialog::RunModalLoop() {
    CWinApp* pApp = AfxGetApp();
    MSG msg{};
    while (m_bInModalLoop && ::IsWindow(m_hWnd)) {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            AfxDeleteTempMaps();
        }
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            // Leave WM_QUIT for the outer loop, as the system's own modal loops do.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        BOOL handled = pApp != nullptr ? pApp->ProcessMessageFilter(MSGF_DIALOGBOX, &msg)
                                       : WalkPreTranslateTree(m_hWnd, &msg);
        if (!handled) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* pDlg = reinterpret_cast<CDialog*>(lParam);
    pDlg->SubclassWindow(hWnd);
    try {
        return pDlg->OnInitDialog();
    } catch (CException* e) {
        e->Delete();
        pDlg->EndDialog(-1);
        return FALSE;
    }
}
