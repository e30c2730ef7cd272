#include "afx_print_dialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) {
    m_pParentWnd = pParentWnd;
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : 0);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog() {
    if (m_pd.hDC != nullptr) {
        ::DeleteDC(m_pd.hDC);
    }
    // Freeing a locked block is allowed; GetDevMode hands out a locked pointer.
    if (m_pd.hDevMode != nullptr) {
        ::GlobalFree(m_pd.hDevMode);
    }
    if (m_pd.hDevNames != nullptr) {
        ::GlobalFree(m_pd.hDevNames);
    }
}

INT_PTR CPrintDialog::DoModal() {
    m_pd.hwndOwner = FindOwner();
    return ::PrintDlgW(&m_pd) ? IDOK : IDCANCEL;
}

LPDEVMODEW CPrintDialog::GetDevMode() const {
    if (m_pd.hDevMode == nullptr) {
        return nullptr;
    }
    return static_cast<LPDEVMODEW>(::GlobalLock(m_pd.hDevMode));
}

CString CPrintDialog::DevNamesEntry(WORD DEVNAMES::*offset) const {
    if (m_pd.hDevNames == nullptr) {
        return CString();
    }
    auto* names = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    CString entry(reinterpret_cast<const wchar_t*>(names) + names->*offset);
    ::GlobalUnlock(m_pd.hDevNames);
    return entry;
}

CString CPrintDialog::GetDriverName() const {
    return DevNamesEntry(&DEVNAMES::wDriverOffset);
}

CString CPrintDialog::GetDeviceName() const {
    return DevNamesEntry(&DEVNAMES::wDeviceOffset);
}
