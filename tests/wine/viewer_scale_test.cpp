// The viewer on a screen at 150 percent (the harness runs these at 144 dpi on a 1536 x 1152
// screen): laid out as the system would stretch a viewer unaware of the scale, but drawn sharp.
#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "resource.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

const int kDpi = 144;

// The viewer's controls in its client area, by id.
std::map<int, CRect> Layout(ViewerWindow& viewer) {
    std::map<int, CRect> layout;
    HWND hDlg = viewer.Dlg().m_hWnd;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CRect rect;
        ::GetWindowRect(h, &rect);
        ::MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rect), 2);
        layout[::GetDlgCtrlID(h)] = rect;
    }
    return layout;
}

int ScreenDpi() {
    HDC hScreen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    ::ReleaseDC(nullptr, hScreen);
    return dpi;
}

// The layout a viewer unaware of the screen's scale makes, as it sees it: the system shows such
// a program on a screen of 96 dpi and two thirds the size, and stretches it.
std::map<int, CRect> UnawareLayout() {
    DPI_AWARENESS_CONTEXT own = ::SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_UNAWARE);
    std::map<int, CRect> layout;
    {
        ViewerWindow viewer(SamplePicture());
        layout = Layout(viewer);
    }
    ::SetThreadDpiAwarenessContext(own);
    return layout;
}

class ViewerScale : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(ScreenDpi(), kDpi) << "the session is not at 144 dpi"; }
};

TEST_F(ViewerScale, LayoutIsTheStretchedOneOfAViewerUnawareOfTheScale) {
    std::map<int, CRect> unaware = UnawareLayout();
    ASSERT_EQ(unaware.size(), 17u);
    ViewerWindow viewer(SamplePicture());
    std::map<int, CRect> aware = Layout(viewer);
    for (const auto& [id, small] : unaware) {
        SCOPED_TRACE("control " + std::to_string(id));
        const CRect& large = aware.at(id);
        // Rounded once for the template's units and once for the screen: within two pixels.
        EXPECT_NEAR(large.left, small.left * 1.5, 2);
        EXPECT_NEAR(large.top, small.top * 1.5, 2);
        EXPECT_NEAR(large.right, small.right * 1.5, 2);
        EXPECT_NEAR(large.bottom, small.bottom * 1.5, 2);
    }
}

TEST_F(ViewerScale, ButtonsShowTheFacesDrawnAtOneAndAHalfTimesTheirSize) {
    ViewerWindow viewer(SamplePicture());
    // Each button's 150-percent face, numbered 1000 above its own.
    const std::pair<int, int> kFaces[] = {{IDC_ONE_TO_ONE, 1213}, {IDC_BRIGHTER, 1216},
                                          {IDC_DARKER, 1218},     {IDCANCEL, 1220},
                                          {IDC_PRINT, 1222},      {IDC_SAVE, 1224}};
    for (const auto& [id, face] : kFaces) {
        SCOPED_TRACE("control " + std::to_string(id));
        CRect client;
        ::GetClientRect(viewer.Item(id), &client);
        EXPECT_EQ(client.Size(), CSize(75, 75));
        EXPECT_EQ(FaceDifferences(viewer.Item(id), face), 0);
    }
}

TEST_F(ViewerScale, PictureIsDrawnOnceAtTheScreensOwnPixels) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    viewer.Repaint();
    ClientCapture shown(dlg.m_hWnd);
    CRect area = viewer.ClientRectOf(IDC_PICTURE);
    ASSERT_EQ(area.Width(), dlg.State().area.m_nViewWidth);

    // The view's part of the working picture drawn over it straight into the area's own
    // pixels: one draw, the same on every device.
    HDC hdc = ::GetDC(dlg.m_hWnd);
    {
        GdiplusGraphics graphics(hdc);
        GammaAttributes attributes(1.0f);
        graphics.SetInterpolationMode(dlg.State().settings.m_nInterpolation);
        const ViewState& state = dlg.State();
        graphics.DrawImage(*dlg.m_pImage, area,
                           CRect(state.view.m_nSrcX, state.view.m_nSrcY,
                                 state.view.m_nSrcX + state.view.m_nSrcWidth,
                                 state.view.m_nSrcY + state.view.m_nSrcHeight),
                           attributes.Native());
    }
    ::ReleaseDC(dlg.m_hWnd, hdc);
    ClientCapture once(dlg.m_hWnd);

    // Inside the frame the picture control draws round its edge, and below the zoom caption,
    // every pixel is the one draw's.
    const int captionRows = 48;
    CRect compared(area.left + 1, area.top + captionRows, area.right - 1, area.bottom - 1);
    int differing = 0;
    for (int y = compared.top; y < compared.bottom; ++y) {
        for (int x = compared.left; x < compared.right; ++x) {
            differing += shown.At(x, y) != once.At(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << "of " << compared.Width() * compared.Height();
}

} // namespace
