// The system's Print dialog (or its Print Setup variant) with the class library's interface.
#pragma once

#include "afx_dialog.h"
#include "afx_string.h"

#include <commdlg.h>

class CPrintDialog : public CDialog {
    DECLARE_DYNAMIC(CPrintDialog)
  public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    // Frees the device mode, the device names and any context the dialog returned.
    ~CPrintDialog() override;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDOK when the user chose a printer, IDCANCEL otherwise.
    INT_PTR DoModal() override;

    // The chosen device mode, locked; it stays valid until the dialog object is destroyed.
    LPDEVMODEW GetDevMode() const;
    CString GetDriverName() const;
    CString GetDeviceName() const;

    PRINTDLGW m_pd{};

  private:
    CString DevNamesEntry(WORD DEVNAMES::*offset) const;
};
