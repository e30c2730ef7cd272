// The least the viewer's window costs the platform, made with bare calls: the picture decoded on
// a thread while the common controls of the manifest load and the viewer's own dialog template
// is made into a modal, topmost dialog over the whole screen, with the same controls and fonts;
// then the picture stretched once over the picture area as the bare floor does. No faces, tips,
// navigator, scroll-bar set-up, layout or view state: what lies between this and the viewer is
// the viewer's own work.
//
// usage: bench_dialog_floor "PICTURE" X Y WIDTH HEIGHT   (the picture area in screen pixels)
#include "floor_parts.h"
#include "resource.h"

#include <commctrl.h>

namespace {

struct DialogFloor {
    std::wstring path;
    RECT area{};
    HANDLE hDecode = nullptr;
    Gdiplus::GpImage* picture = nullptr;
};

DialogFloor g_floor;

DWORD WINAPI Decode(void*) {
    g_floor.picture = LoadWorkingPicture(g_floor.path.c_str());
    return 0;
}

INT_PTR CALLBACK DialogFloorProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        ::SetWindowPos(hDlg, nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                       ::GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
        ::SetWindowPos(hDlg, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::WaitForSingleObject(g_floor.hDecode, INFINITE);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(hDlg, &ps);
        DrawWorkingPicture(hDC, g_floor.picture, g_floor.area);
        ::EndPaint(hDlg, &ps);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
            ::EndDialog(hDlg, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    if (!ParseFloorArguments(::GetCommandLineW(), &g_floor.path, &g_floor.area)) {
        return 64;
    }

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    g_floor.hDecode = ::CreateThread(nullptr, 0, Decode, nullptr, 0, nullptr);
    ::InitCommonControls();
    ::DialogBoxParamW(hInstance, MAKEINTRESOURCEW(IDD_VIEWER), nullptr, DialogFloorProc, 0);
    ::WaitForSingleObject(g_floor.hDecode, INFINITE);
    ::CloseHandle(g_floor.hDecode);
    Gdiplus::DllExports::GdipDisposeImage(g_floor.picture);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
