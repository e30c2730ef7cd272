// The least a full-screen viewer of one picture must do, made with bare calls: load the file,
// reduce it to the 640 x 480 working picture, open a topmost window over the whole screen and
// stretch the picture once over the picture area with gamma and identity-matrix attributes.
// The benchmark times the viewer against this.
//
// usage: bench_floor "PICTURE" X Y WIDTH HEIGHT   (the picture area in screen pixels)
#include "floor_parts.h"

namespace {

struct Floor {
    Gdiplus::GpImage* picture = nullptr;
    RECT area{};
};

Floor g_floor;

LRESULT CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(hWnd, &ps);
        DrawWorkingPicture(hDC, g_floor.picture, g_floor.area);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    std::wstring path;
    if (!ParseFloorArguments(::GetCommandLineW(), &path, &g_floor.area)) {
        return 64;
    }

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    g_floor.picture = LoadWorkingPicture(path.c_str());

    WNDCLASSW wc{};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"StillViewBenchFloor";
    ::RegisterClassW(&wc);
    ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                      ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr,
                      nullptr, hInstance, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    Gdiplus::DllExports::GdipDisposeImage(g_floor.picture);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
