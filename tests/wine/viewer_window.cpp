#include "viewer_window.h"

#include "resource.h"

#include <stdexcept>
#include <string>

ViewerWindow::ViewerWindow(const std::wstring& commandLine) : m_commandLine(commandLine) {
    ::SetLastError(ERROR_SUCCESS);
    m_created = m_dlg.Create(IDD_VIEWER);
    if (!m_created) {
        // Ends the test with a failure instead of letting it read a half-made viewer; the
        // system's reason is kept, as the failure has been seen only on a loaded machine.
        throw std::runtime_error("the viewer dialog could not be created (error " +
                                 std::to_string(::GetLastError()) + ")");
    }
}

ViewerWindow::~ViewerWindow() {
    if (m_dlg.m_hWnd != nullptr) {
        m_dlg.DestroyWindow();
    }
}

CRect ViewerWindow::ClientRectOf(int nID) const {
    CRect rc;
    ::GetClientRect(Item(nID), &rc);
    ::MapWindowPoints(Item(nID), m_dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void ViewerWindow::Click(int nID) {
    ::SendMessageW(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(nID)));
}

void ViewerWindow::Scroll(int nBar, int code, int pos) {
    UINT message = nBar == IDC_HSCROLL ? WM_HSCROLL : WM_VSCROLL;
    ::SendMessageW(m_dlg.m_hWnd, message, MAKEWPARAM(code, pos),
                   reinterpret_cast<LPARAM>(Item(nBar)));
}

void ViewerWindow::ChooseQuality(int index) {
    ::SendMessageW(Item(IDC_QUALITY), CB_SETCURSEL, index, 0);
    ::SendMessageW(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_QUALITY, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Item(IDC_QUALITY)));
}

void ViewerWindow::Repaint() {
    ::UpdateWindow(m_dlg.m_hWnd);
}

BarState Bar(HWND hBar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(hBar, SB_CTL, &info);
    return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

std::wstring SamplePicture() {
    return SourceFile("res/sample/b-320b.bmp");
}
