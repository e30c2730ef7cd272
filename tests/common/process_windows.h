// The windows another process shows, for programs that drive the viewer from outside.
#pragma once

#include <windows.h>

#include <vector>

// The process's visible top-level windows, topmost first.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);
