// The application object: starts the shared services, refuses a second copy, runs the viewer
// as its main window, and relays the viewer's messages to its button tooltips.
#pragma once

#include "afxwin.h"

// Marks a running copy for the whole session.
extern const wchar_t kInstanceEventName[];

class ViewerApp : public CWinApp {
  public:
    ViewerApp();

    CToolTipCtrl* m_pMainTip = nullptr;
    HWND m_hMainDlg = nullptr;
    CString m_strSavePath;
    HANDLE m_hInstanceEvent = nullptr;
    ULONG_PTR m_gdiplusToken = 0;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL ProcessMessageFilter(int code, LPMSG lpMsg) override;

  protected:
    DECLARE_MESSAGE_MAP()

  private:
    // False when another copy already holds the event.
    bool ClaimSingleInstance();
    bool IsMainDialogMessage(const MSG& msg) const;
};

extern ViewerApp theApp;
