// What a full paint of the viewer costs against the bare imaging calls it makes. Run on a
// 1920 x 1080 screen; the numbers are printed for the record.
#include "gdiplus_image.h"
#include "resource.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace Gdiplus;

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// The imaging calls of one paint, made directly: picture area and thumbnail, each through
// gamma attributes, and the outline.
void BareDraws(ViewerDlg& dlg, HWND hThumb) {
    RECT thumb;
    ::GetClientRect(hThumb, &thumb);
    ::MapWindowPoints(hThumb, dlg.m_hWnd, reinterpret_cast<POINT*>(&thumb), 2);
    static const ColorMatrix kIdentity = {
        {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
    HDC hDC = ::GetDC(dlg.m_hWnd);
    for (bool picture : {false, true}) {
        GpGraphics* graphics = nullptr;
        GpImageAttributes* attributes = nullptr;
        DllExports::GdipCreateFromHDC(hDC, &graphics);
        DllExports::GdipCreateImageAttributes(&attributes);
        DllExports::GdipSetImageAttributesGamma(attributes, ColorAdjustTypeBitmap, TRUE, 1.0f);
        DllExports::GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeBitmap, TRUE,
                                                      &kIdentity, nullptr, ColorMatrixFlagsDefault);
        if (picture) {
            DllExports::GdipSetInterpolationMode(
                graphics, static_cast<InterpolationMode>(dlg.m_nInterpolation));
            DllExports::GdipDrawImageRectRectI(
                graphics, dlg.m_pImage->Native(), dlg.m_nViewX, dlg.m_nViewY, dlg.m_nViewWidth,
                dlg.m_nViewHeight, dlg.m_nSrcX, dlg.m_nSrcY, dlg.m_nSrcWidth, dlg.m_nSrcHeight,
                UnitPixel, attributes, nullptr, nullptr);
        } else {
            DllExports::GdipDrawImageRectRectI(
                graphics, dlg.m_pImage->Native(), thumb.left, thumb.top, thumb.right - thumb.left,
                thumb.bottom - thumb.top, 0, 0, 640, 480, UnitPixel, attributes, nullptr, nullptr);
            GpPen* pen = nullptr;
            DllExports::GdipCreatePen1(0xFFFF00FF, 1.0f, UnitWorld, &pen);
            DllExports::GdipDrawRectangleI(graphics, pen, thumb.left + 1, thumb.top + 1,
                                           thumb.right - thumb.left - 3,
                                           thumb.bottom - thumb.top - 3);
            DllExports::GdipDeletePen(pen);
        }
        DllExports::GdipDisposeImageAttributes(attributes);
        DllExports::GdipDeleteGraphics(graphics);
    }
    ::ReleaseDC(dlg.m_hWnd, hDC);
}

TEST(PaintTiming, FullPaintCostsLittleMoreThanTheBareImagingCalls) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    viewer.Repaint();
    BareDraws(dlg, viewer.Item(IDC_THUMBNAIL));
    constexpr int kRounds = 9;
    for (int mode : {3, 6, 7}) {
        dlg.m_nInterpolation = mode;
        std::vector<double> paints;
        std::vector<double> bare;
        for (int i = 0; i < kRounds; ++i) {
            paints.push_back(Milliseconds([&] {
                ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
                viewer.Repaint();
                ::GdiFlush();
            }));
            bare.push_back(Milliseconds([&] {
                BareDraws(dlg, viewer.Item(IDC_THUMBNAIL));
                ::GdiFlush();
            }));
        }
        double paint = Median(paints);
        double calls = Median(bare);
        std::printf("screen %dx%d, interpolation %d: paint %.1f ms, bare calls %.1f ms, "
                    "ratio %.3f\n",
                    ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), mode, paint,
                    calls, paint / calls);
        // The aim is 10 % at most; the bound leaves room for a busy machine.
        EXPECT_LT(paint, calls * 1.25) << "interpolation " << mode;
    }
}

} // namespace
