#include "viewer_process.h"

#include "process_windows.h"

#include <cstdlib>
#include <vector>

namespace {

std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool IsDialog(HWND hWnd) {
    wchar_t className[32] = L"";
    ::GetClassNameW(hWnd, className, 32);
    return wcscmp(className, L"#32770") == 0;
}

std::vector<HWND> ProcessDialogs(DWORD processId) {
    std::vector<HWND> dialogs;
    for (HWND hWnd : VisibleTopLevelWindows(processId)) {
        if (IsDialog(hWnd)) {
            dialogs.push_back(hWnd);
        }
    }
    return dialogs;
}

std::wstring Caption(HWND hWnd) {
    wchar_t text[256] = L"";
    ::SendMessageW(hWnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

} // namespace

std::wstring ViewerExecutable() {
    return WindowsPath(Environment("STILLVIEW_EXE"));
}

std::wstring SourcePath(const std::string& relativePath) {
    return WindowsPath(Environment("STILLVIEW_SOURCE_DIR") + "/" + relativePath);
}

ViewerProcess::ViewerProcess(const std::wstring& arguments, const std::wstring& workingFolder) {
    std::wstring commandLine = L"\"" + ViewerExecutable() + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                          &m_process)) {
        m_startError = ::GetLastError();
        m_process = PROCESS_INFORMATION{};
    }
}

ViewerProcess::~ViewerProcess() {
    if (m_process.hProcess == nullptr) {
        return;
    }
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 10000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

HWND ViewerProcess::FindWindow() const {
    // The viewer's own dialog is the one no other window owns.
    for (HWND hWnd : ProcessDialogs(m_process.dwProcessId)) {
        if (::GetParent(hWnd) == nullptr) {
            return hWnd;
        }
    }
    return nullptr;
}

HWND ViewerProcess::WaitForWindow(DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        if (HWND hWnd = FindWindow()) {
            return hWnd;
        }
        if (::WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

HWND ViewerProcess::WaitForDialog(const std::wstring& caption, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        for (HWND hWnd : ProcessDialogs(m_process.dwProcessId)) {
            if (::IsWindowEnabled(hWnd) && Caption(hWnd) == caption) {
                return hWnd;
            }
        }
        if (::WaitForSingleObject(m_process.hProcess, 20) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

bool ViewerProcess::HasOtherDialog(HWND hMain) const {
    for (HWND hWnd : ProcessDialogs(m_process.dwProcessId)) {
        if (hWnd != hMain) {
            return true;
        }
    }
    return false;
}

bool ViewerProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (::WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    ::GetExitCodeProcess(m_process.hProcess, exitCode);
    return true;
}

bool ViewerProcess::Close(DWORD* exitCode, DWORD timeoutMs) {
    HWND hWnd = FindWindow();
    if (hWnd != nullptr) {
        ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return WaitForExit(timeoutMs, exitCode);
}

int ScrollMax(HWND hDialog, int nID) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE;
    if (!::GetScrollInfo(::GetDlgItem(hDialog, nID), SB_CTL, &info)) {
        return -1;
    }
    return info.nMax;
}

std::set<std::wstring> ViewerTemporaryFiles() {
    return FileNames(TempFolder(), L"Int*");
}
