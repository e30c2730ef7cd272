#include "floor_parts.h"

#include <cwchar>

using namespace Gdiplus;

bool ParseFloorArguments(const wchar_t* commandLine, std::wstring* path, RECT* area) {
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

void DrawWorkingPicture(HDC hDC, GpImage* picture, const RECT& area) {
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
    DllExports::GdipDrawImageRectRectI(graphics, picture, area.left, area.top,
                                       area.right - area.left, area.bottom - area.top, 0, 0, 640,
                                       480, UnitPixel, attributes, nullptr, nullptr);
    DllExports::GdipDisposeImageAttributes(attributes);
    DllExports::GdipDeleteGraphics(graphics);
}
