#include "viewer_rows.h"

#include "gdiplus_image.h"
#include "jpeg_encoder.h"
#include "quality_levels.h"
#include "resource.h"
#include "still_check.h"
#include "viewer_dlg.h"

#include <functional>

using namespace Gdiplus;

namespace {

const ColorMatrix kIdentity = {
    {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    work();
    ::GdiFlush();
    ::QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void PumpPending() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxGetApp()->ProcessMessageFilter(MSGF_DIALOGBOX, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

GpImageAttributes* NewGammaAttributes(float gamma) {
    GpImageAttributes* attributes = nullptr;
    DllExports::GdipCreateImageAttributes(&attributes);
    DllExports::GdipSetImageAttributesGamma(attributes, ColorAdjustTypeBitmap, TRUE, gamma);
    DllExports::GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeBitmap, TRUE,
                                                  &kIdentity, nullptr, ColorMatrixFlagsDefault);
    return attributes;
}

RECT ControlArea(HWND hDlg, int nID) {
    RECT rect{};
    HWND hControl = ::GetDlgItem(hDlg, nID);
    ::GetClientRect(hControl, &rect);
    ::MapWindowPoints(hControl, hDlg, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The imaging calls of one paint, made directly: thumbnail with outline, then picture area,
// each through gamma attributes.
void BareDraws(ViewerDlg& dlg) {
    RECT thumb = ControlArea(dlg.m_hWnd, IDC_THUMBNAIL);
    HDC hDC = ::GetDC(dlg.m_hWnd);
    for (bool picture : {false, true}) {
        GpGraphics* graphics = nullptr;
        DllExports::GdipCreateFromHDC(hDC, &graphics);
        GpImageAttributes* attributes = NewGammaAttributes(dlg.State().settings.m_fGamma);
        if (picture) {
            DllExports::GdipSetInterpolationMode(
                graphics, static_cast<InterpolationMode>(dlg.State().settings.m_nInterpolation));
            DllExports::GdipDrawImageRectRectI(
                graphics, dlg.m_pImage->Native(), dlg.State().area.m_nViewX,
                dlg.State().area.m_nViewY, dlg.State().area.m_nViewWidth,
                dlg.State().area.m_nViewHeight, dlg.State().view.m_nSrcX, dlg.State().view.m_nSrcY,
                dlg.State().view.m_nSrcWidth, dlg.State().view.m_nSrcHeight, UnitPixel, attributes,
                nullptr, nullptr);
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

// The export as the viewer first made it, its imaging calls made bare: clone, JPEG through the
// temporary file, reload, draw the view into the reloaded picture itself, save.
void BareExport(ViewerDlg& dlg, const std::wstring& temp, const std::wstring& target) {
    CLSID jpeg;
    FindEncoderByMimeType(L"image/jpeg", &jpeg);
    JpegQualityParameters quality;
    GpImage* clone = nullptr;
    GpImage* picture = nullptr;
    GpGraphics* graphics = nullptr;
    DllExports::GdipCloneImage(dlg.m_pImage->Native(), &clone);
    DllExports::GdipSaveImageToFile(clone, temp.c_str(), &jpeg, quality.Get());
    DllExports::GdipLoadImageFromFile(temp.c_str(), &picture);
    UINT width = 0;
    UINT height = 0;
    DllExports::GdipGetImageWidth(picture, &width);
    DllExports::GdipGetImageHeight(picture, &height);
    GpImageAttributes* attributes = NewGammaAttributes(dlg.State().settings.m_fGamma);
    DllExports::GdipGetImageGraphicsContext(picture, &graphics);
    DllExports::GdipSetInterpolationMode(
        graphics, static_cast<InterpolationMode>(dlg.State().settings.m_nInterpolation));
    DllExports::GdipDrawImageRectRectI(
        graphics, picture, 0, 0, static_cast<INT>(width), static_cast<INT>(height),
        dlg.State().view.m_nSrcX, dlg.State().view.m_nSrcY, dlg.State().view.m_nSrcWidth,
        dlg.State().view.m_nSrcHeight, UnitPixel, attributes, nullptr, nullptr);
    DllExports::GdipSaveImageToFile(picture, target.c_str(), &jpeg, quality.Get());
    DllExports::GdipDeleteGraphics(graphics);
    DllExports::GdipDisposeImageAttributes(attributes);
    DllExports::GdipDisposeImage(picture);
    DllExports::GdipDisposeImage(clone);
}

void SendWheel(ViewerDlg& dlg, short delta, bool post) {
    RECT area = ControlArea(dlg.m_hWnd, IDC_PICTURE);
    POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ::ClientToScreen(dlg.m_hWnd, &centre);
    WPARAM wParam = MAKEWPARAM(0, static_cast<WORD>(delta));
    LPARAM lParam = MAKELPARAM(centre.x, centre.y);
    if (post) {
        ::PostMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, wParam, lParam);
    } else {
        ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, wParam, lParam);
    }
}

// Runs viewer and bare work in turn, runs times each.
BenchRow Alternate(const char* name, int runs, const std::function<void(int)>& viewer,
                   const std::function<void(int)>& bare) {
    BenchRow row{name, "ms", {}, {}, {}};
    for (int i = 0; i < runs; ++i) {
        row.viewer.push_back(Milliseconds([&] { viewer(i); }));
        row.floor.push_back(Milliseconds([&] { bare(i); }));
    }
    return row;
}

class ModelessViewer {
  public:
    explicit ModelessViewer(const std::wstring& picture) : m_commandLine(picture) {
        m_saved = AfxGetApp()->m_lpCmdLine;
        AfxGetApp()->m_lpCmdLine = m_commandLine.c_str();
        m_dlg.Create(IDD_VIEWER);
        ::UpdateWindow(m_dlg.m_hWnd);
        PumpPending();
    }
    ~ModelessViewer() {
        if (m_dlg.m_hWnd != nullptr) {
            m_dlg.DestroyWindow();
        }
        AfxGetApp()->m_lpCmdLine = m_saved;
    }
    ModelessViewer(const ModelessViewer&) = delete;
    ModelessViewer& operator=(const ModelessViewer&) = delete;

    ViewerDlg& Dlg() { return m_dlg; }

  private:
    std::wstring m_commandLine;
    const wchar_t* m_saved = nullptr;
    ViewerDlg m_dlg{nullptr};
};

// Picks an entry of the quality list as the user would.
void ChooseQuality(ViewerDlg& dlg, int index) {
    HWND hCombo = ::GetDlgItem(dlg.m_hWnd, IDC_QUALITY);
    ::SendMessageW(hCombo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_QUALITY, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}

void AddPaintRows(ViewerDlg& dlg, int runs, std::vector<BenchRow>* rows) {
    static const struct {
        int index;
        const char* name;
    } kQualities[] = {{0, "Paint, Fair Quality (bilinear)"},
                      {1, "Paint, Good Quality (high-quality bicubic)"},
                      {2, "Paint, Better Quality (high-quality bilinear)"}};
    for (const auto& quality : kQualities) {
        ChooseQuality(dlg, quality.index);
        rows->push_back(Alternate(
            quality.name, runs,
            [&](int) {
                ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
                ::UpdateWindow(dlg.m_hWnd);
            },
            [&](int) { BareDraws(dlg); }));
    }
    ChooseQuality(dlg, DefaultQualityIndex());
}

} // namespace

std::vector<BenchRow> MeasureViewerInProcess(const std::wstring& picture,
                                             const std::wstring& scratch, int runs) {
    std::vector<BenchRow> rows;
    ModelessViewer viewer(picture);
    ViewerDlg& dlg = viewer.Dlg();
    if (dlg.m_hWnd == nullptr) {
        return rows;
    }
    AddPaintRows(dlg, runs, &rows);

    // Zoomed in three steps and two steps brighter.
    for (int i = 0; i < 3; ++i) {
        SendWheel(dlg, -WHEEL_DELTA, false);
    }
    for (int i = 0; i < 2; ++i) {
        ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BRIGHTER, BN_CLICKED), 0);
    }
    PumpPending();
    rows.push_back(Alternate(
        "Export of a zoomed, brightened view", runs,
        [&](int) { dlg.ExportJpeg(CString((scratch + L"\\export-viewer.jpg").c_str())); },
        [&](int) {
            BareExport(dlg, scratch + L"\\export-bare.tmp.jpg", scratch + L"\\export-bare.jpg");
        }));

    // The still just saved, checked against its source by repeating it, beside its save.
    const std::wstring exported = scratch + L"\\export-viewer.jpg";
    rows.push_back(Alternate(
        "Export verified, against the export itself", runs,
        [&](int) { CheckStill(exported, picture, scratch + L"\\verify.tmp.jpg"); },
        [&](int) { dlg.ExportJpeg(CString(exported.c_str())); }));

    // In and out in turn, so the zoom never reaches its limit. Both sides end when the thread
    // has nothing left to do, which is when the system puts what was drawn on the screen: the
    // bare side's drawing would otherwise reach the screen inside the next wheel step's time.
    rows.push_back(Alternate(
        "Wheel step to new view", runs,
        [&](int i) {
            SendWheel(dlg, i % 2 == 0 ? -WHEEL_DELTA : WHEEL_DELTA, true);
            PumpPending();
        },
        [&](int) {
            BareDraws(dlg);
            PumpPending();
        }));
    return rows;
}
