// The least a full-screen viewer of one picture must do, made with bare calls: load the file,
// reduce it to the 640 x 480 working picture, open a topmost window over the whole screen and
// stretch the picture once over the picture area with gamma and identity-matrix attributes.
// The benchmark times the viewer against this.
//
// usage: bench_floor "PICTURE" X Y WIDTH HEIGHT   (the picture area in screen pixels)
#include <windows.h>

#include <gdiplus.h>

#include <cwchar>
#include <string>

using namespace Gdiplus;

namespace {

struct Floor {
    GpImage* picture = nullptr;
    RECT area{};
};

Floor g_floor;

void DrawPicture(HDC hDC) {
    static const ColorMatrix kIdentity = {
        {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
    GpGraphics* graphics = nullptr;
    GpImageAttributes* attributes = nullptr;
    DllExports::GdipCreateFromHDC(hDC, &graphics);
    DllExports::GdipCreateImageAttributes(&attributes);
    DllExports::GdipSetImageAttributesGamma(attributes, ColorAdjustTypeBitmap, TRUE, 1.0f);
    DllExports::GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeBitmap, TRUE,
                                                  &kIdentity, nullptr, ColorMatrixFlagsDefault);
    DllExports::GdipSetInterpolationMode(graphics, InterpolationModeHighQualityBicubic);
    const RECT& a = g_floor.area;
    DllExports::GdipDrawImageRectRectI(graphics, g_floor.picture, a.left, a.top, a.right - a.left,
                                       a.bottom - a.top, 0, 0, 640, 480, UnitPixel, attributes,
                                       nullptr, nullptr);
    DllExports::GdipDisposeImageAttributes(attributes);
    DllExports::GdipDeleteGraphics(graphics);
}

LRESULT CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(hWnd, &ps);
        DrawPicture(hDC);
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

// The arguments, read without the shell library, which the floor has no other use for.
bool ParseArguments(const wchar_t* commandLine, std::wstring* path, RECT* area) {
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        p = std::wcschr(p + 1, L'"');
    } else {
        p = std::wcschr(p, L' ');
    }
    p = p != nullptr ? std::wcschr(p + 1, L'"') : nullptr;
    const wchar_t* end = p != nullptr ? std::wcschr(p + 1, L'"') : nullptr;
    if (end == nullptr) {
        return false;
    }
    path->assign(p + 1, end);
    long values[4];
    wchar_t* next = const_cast<wchar_t*>(end + 1);
    for (long& value : values) {
        const wchar_t* start = next;
        value = std::wcstol(start, &next, 10);
        if (next == start) {
            return false;
        }
    }
    *area = {values[0], values[1], values[0] + values[2], values[1] + values[3]};
    return true;
}

GpImage* LoadWorkingPicture(const wchar_t* path) {
    GpImage* full = nullptr;
    GpImage* thumbnail = nullptr;
    DllExports::GdipLoadImageFromFile(path, &full);
    DllExports::GdipGetImageThumbnail(full, 640, 480, &thumbnail, nullptr, nullptr);
    DllExports::GdipDisposeImage(full);
    return thumbnail;
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    std::wstring path;
    if (!ParseArguments(::GetCommandLineW(), &path, &g_floor.area)) {
        return 64;
    }

    GdiplusStartupInput input;
    ULONG_PTR token = 0;
    GdiplusStartup(&token, &input, nullptr);
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
    DllExports::GdipDisposeImage(g_floor.picture);
    GdiplusShutdown(token);
    return 0;
}
