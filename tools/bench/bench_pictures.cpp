#include "bench_pictures.h"

#include "gdiplus_image.h"
#include "jpeg_encoder.h"

#include <memory>
#include <vector>

using namespace Gdiplus;

namespace {

bool InMiddleFifth(UINT v, UINT size) {
    return v >= size * 2 / 5 && v < size * 3 / 5;
}

BYTE Noisy(UINT value, UINT32& seed) {
    seed = seed * 1664525u + 1013904223u;
    int noisy = static_cast<int>(value) + static_cast<int>(seed >> 28) - 8;
    return static_cast<BYTE>(noisy < 0 ? 0 : noisy > 255 ? 255 : noisy);
}

void FillRow(BYTE* row, UINT y, UINT width, UINT height, UINT32& seed) {
    bool markRow = InMiddleFifth(y, height);
    for (UINT x = 0; x < width; ++x) {
        BYTE* bgr = row + 3 * x;
        if (markRow && InMiddleFifth(x, width)) {
            bgr[0] = GetBValue(kBenchMarkColour);
            bgr[1] = GetGValue(kBenchMarkColour);
            bgr[2] = GetRValue(kBenchMarkColour);
            continue;
        }
        bgr[0] = Noisy(96, seed);
        bgr[1] = Noisy(40 + 180 * y / height, seed);
        bgr[2] = Noisy(40 + 180 * x / width, seed);
    }
}

} // namespace

bool EnsureBenchJpeg(const std::wstring& path, UINT width, UINT height) {
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    CLSID jpeg;
    if (FindEncoderByMimeType(L"image/jpeg", &jpeg) < 0) {
        return false;
    }
    INT stride = static_cast<INT>((3 * width + 3) & ~3u);
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    UINT32 seed = 1;
    for (UINT y = 0; y < height; ++y) {
        FillRow(&pixels[static_cast<size_t>(stride) * y], y, width, height, seed);
    }
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height),
                                              stride, PixelFormat24bppRGB, pixels.data(),
                                              &bitmap) != Ok) {
        return false;
    }
    GdiplusImage image(bitmap);
    std::wstring partial = path + L".partial";
    if (image.SaveToFile(partial.c_str(), jpeg, nullptr) != Ok) {
        ::DeleteFileW(partial.c_str());
        return false;
    }
    return ::MoveFileW(partial.c_str(), path.c_str()) != FALSE;
}
