#include "viewer_app.h"

#include "gdiplus_session.h"
#include "picture_path.h"
#include "viewer_dlg.h"

#include <commctrl.h>

#include <utility>

const wchar_t kInstanceEventName[] = L"{323D0D09-35B4-4709-9C94-B929A4874A55}";

ViewerApp::ViewerApp() = default;

BOOL ViewerApp::InitInstance() {
    // An empty floppy or CD drive is skipped by the drive list; Windows would otherwise put its
    // own "no disk" box over the viewer when the list asks for the volume's label.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    CWinApp::InitInstance();
    SetRegistryKey(L"Varnolt");
    if (!ClaimSingleInstance()) {
        return FALSE;
    }
    m_gdiplusToken = StartImaging();
    // The decode takes most of the start-up; it runs while the window and its controls are made.
    StartPictureLoad(PicturePathFromCommandLine(m_lpCmdLine));
    ::InitCommonControls();

    ViewerDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

bool ViewerApp::ClaimSingleInstance() {
    m_hInstanceEvent = ::CreateEventW(nullptr, FALSE, FALSE, kInstanceEventName);
    if (m_hInstanceEvent != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(m_hInstanceEvent);
        m_hInstanceEvent = nullptr;
        return false;
    }
    return true;
}

void ViewerApp::StartPictureLoad(const std::wstring& path) {
    m_pPictureLoad.reset(new PictureLoad(path));
}

std::unique_ptr<PictureLoad> ViewerApp::TakePictureLoad(const std::wstring& path) {
    std::unique_ptr<PictureLoad> ahead = std::move(m_pPictureLoad);
    if (ahead != nullptr && ahead->Path() == path) {
        return ahead;
    }
    return std::make_unique<PictureLoad>(path);
}

int ViewerApp::ExitInstance() {
    // Images must go before the imaging library does.
    m_pPictureLoad.reset();
    if (m_gdiplusToken != 0) {
        StopImaging(m_gdiplusToken);
        m_gdiplusToken = 0;
    }
    return CWinApp::ExitInstance();
}

bool ViewerApp::IsMainDialogMessage(const MSG& msg) const {
    return m_hMainDlg != nullptr && (msg.hwnd == m_hMainDlg || ::IsChild(m_hMainDlg, msg.hwnd));
}

BOOL ViewerApp::ProcessMessageFilter(int code, LPMSG lpMsg) {
    if (lpMsg != nullptr && m_pMainTip != nullptr && IsMainDialogMessage(*lpMsg)) {
        m_pMainTip->RelayEvent(lpMsg);
    }
    return CWinApp::ProcessMessageFilter(code, lpMsg);
}
