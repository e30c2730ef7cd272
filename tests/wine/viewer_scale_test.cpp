// The viewer on a screen at 150 percent (the harness runs these at 144 dpi on a 1536 x 1152
// screen): laid out as the system would stretch a viewer unaware of the scale, but drawn sharp.
#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "resource.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

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

// The AND mask of the image the cursor resource holds for this side, rows bottom-up as the
// resource stores them; empty where the resource has no image drawn at that side.
std::vector<BYTE> DrawnCursorMask(int cursorId, int side) {
    HRSRC group = ::FindResourceW(nullptr, MAKEINTRESOURCEW(cursorId), RT_GROUP_CURSOR);
    auto* directory = static_cast<BYTE*>(::LockResource(::LoadResource(nullptr, group)));
    int imageId = ::LookupIconIdFromDirectoryEx(directory, FALSE, side, side, 0);
    HRSRC image = ::FindResourceW(nullptr, MAKEINTRESOURCEW(imageId), RT_CURSOR);
    // The image starts with its hot spot, then a 4-bit DIB: header, palette, colours, mask.
    auto* bits = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, image)));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bits + 4);
    if (header->biWidth != side) {
        return {};
    }
    const BYTE* mask = bits + 4 + header->biSize + 16 * 4 + side * side / 2;
    return std::vector<BYTE>(mask, mask + side * ((side + 31) / 32 * 4));
}

// The AND mask of a cursor the program loaded, in the same layout.
std::vector<BYTE> LoadedCursorMask(HCURSOR hCursor, int* side) {
    ICONINFO info{};
    ::GetIconInfo(hCursor, &info);
    BITMAP bitmap{};
    ::GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    *side = bitmap.bmWidth;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } format{};
    format.header.biSize = sizeof(BITMAPINFOHEADER);
    format.header.biWidth = bitmap.bmWidth;
    format.header.biHeight = bitmap.bmWidth;
    format.header.biPlanes = 1;
    format.header.biBitCount = 1;
    std::vector<BYTE> mask(static_cast<size_t>(bitmap.bmWidth * ((bitmap.bmWidth + 31) / 32 * 4)));
    HDC hdc = ::GetDC(nullptr);
    ::GetDIBits(hdc, info.hbmMask, 0, bitmap.bmWidth, mask.data(),
                reinterpret_cast<BITMAPINFO*>(&format), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return mask;
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

TEST_F(ViewerScale, CursorsAreTheOnesDrawnAtOneAndAHalfTimesTheirSize) {
    ViewerWindow viewer(SamplePicture());
    const ViewerDlg& dlg = viewer.Dlg();
    const std::pair<HCURSOR, int> kCursors[] = {{dlg.m_hCursorDrag, IDC_CURSOR_DRAG},
                                                {dlg.m_hCursorThumb, IDC_CURSOR_THUMB},
                                                {dlg.m_hCursorZoomIn, IDC_CURSOR_ZOOM_IN},
                                                {dlg.m_hCursorZoomOut, IDC_CURSOR_ZOOM_OUT}};
    for (const auto& [hCursor, id] : kCursors) {
        SCOPED_TRACE("cursor " + std::to_string(id));
        int side = 0;
        std::vector<BYTE> shown = LoadedCursorMask(hCursor, &side);
        EXPECT_EQ(side, 48);
        std::vector<BYTE> drawn = DrawnCursorMask(id, 48);
        ASSERT_FALSE(drawn.empty()) << "no image drawn at 48 pixels";
        EXPECT_TRUE(shown == drawn) << "the cursor is not the one drawn at its size";
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
