#include "process_windows.h"

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == search->processId && ::IsWindowVisible(hWnd)) {
        search->found.push_back(hWnd);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    ::EnumWindows(&CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
