// The application object: starts the shared services, refuses a second copy, starts decoding
// the picture, runs the viewer as its main window, and relays the viewer's messages to its button
// tooltips.
#pragma once

#include "afxwin.h"
#include "picture_load.h"

#include <memory>
#include <string>

// Marks a running copy for the whole session.
extern const wchar_t kInstanceEventName[];

class ViewerApp : public CWinApp {
  public:
    ViewerApp();

    CToolTipCtrl* m_pMainTip = nullptr;
    HWND m_hMainDlg = nullptr;
    HANDLE m_hInstanceEvent = nullptr;
    ULONG_PTR m_gdiplusToken = 0;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL ProcessMessageFilter(int code, LPMSG lpMsg) override;

    // Starts decoding the picture at path on a thread of its own, for TakePictureLoad.
    void StartPictureLoad(const std::wstring& path);
    // The load of the picture at path: the one started ahead if it was this file, otherwise one
    // started now. A load started for another file is dropped.
    std::unique_ptr<PictureLoad> TakePictureLoad(const std::wstring& path);

  private:
    // False when another copy already holds the event.
    bool ClaimSingleInstance();
    bool IsMainDialogMessage(const MSG& msg) const;

    std::unique_ptr<PictureLoad> m_pPictureLoad;
};

extern ViewerApp theApp;
