// The drawing calls of a print whose failure must reach the user, reached through one table so
// that a test can make any one of them fail.
#pragma once

#include <windows.h>

struct PrintCalls {
    HDC(WINAPI* createCompatibleDC)(HDC) = ::CreateCompatibleDC;
    BOOL(WINAPI* bitBlt)(HDC, int, int, int, int, HDC, int, int, DWORD) = ::BitBlt;
    int(WINAPI* getObject)(HANDLE, int, LPVOID) = ::GetObjectW;
    int(WINAPI* stretchDIBits)(HDC, int, int, int, int, int, int, int, int, const VOID*,
                               const BITMAPINFO*, UINT, DWORD) = ::StretchDIBits;
    BOOL(WINAPI* textOut)(HDC, int, int, LPCWSTR, int) = ::TextOutW;
};

// The calls every print makes; the real ones unless a test has replaced some.
PrintCalls& ThePrintCalls();
