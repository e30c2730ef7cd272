// The picture on screen and the view geometry, driven through the viewer's own messages.
#include "gdiplus_image.h"
#include "navigator_tracker.h"
#include "resource.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int W = 640;
constexpr int H = 480;

// The scroll bars and the navigator rectangle agree with the source rectangle, computed here
// independently of the viewer's geometry code.
void ExpectBarsAndTrackerMatchTheView(ViewerWindow& viewer) {
    ViewerDlg& dlg = viewer.Dlg();
    BarState h = Bar(viewer.Item(IDC_HSCROLL));
    BarState v = Bar(viewer.Item(IDC_VSCROLL));
    EXPECT_EQ(h.nPage, dlg.State().view.m_nSrcWidth);
    EXPECT_EQ(h.nPos, dlg.State().view.m_nSrcX);
    EXPECT_EQ(h.nMax - (h.nPage - 1), W - dlg.State().view.m_nSrcWidth) << "last reachable column";
    EXPECT_EQ(v.nPage, dlg.State().view.m_nSrcHeight);
    EXPECT_EQ(v.nPos, dlg.State().view.m_nSrcY);
    EXPECT_EQ(v.nMax - (v.nPage - 1), H - dlg.State().view.m_nSrcHeight) << "last reachable row";

    CRect thumb = viewer.ClientRectOf(IDC_THUMBNAIL);
    CRect expected(thumb.left + thumb.Width() * dlg.State().view.m_nSrcX / W,
                   thumb.top + thumb.Height() * dlg.State().view.m_nSrcY / H, 0, 0);
    expected.right = expected.left + thumb.Width() * dlg.State().view.m_nSrcWidth / W;
    expected.bottom = expected.top + thumb.Height() * dlg.State().view.m_nSrcHeight / H;
    EXPECT_EQ(dlg.m_pTracker->m_rect, expected);
}

TEST(ViewerViewZoom, WheelStepZoomsAboutTheStoredCentre) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    int cx = dlg.State().area.m_nViewWidth / 2;
    int cy = dlg.State().area.m_nViewHeight / 2;
    ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(dlg.State().settings.m_nZoomMode, 0);
    EXPECT_EQ(dlg.State().view.m_nSrcWidth, 575);
    EXPECT_EQ(dlg.State().view.m_nSrcHeight, 431);
    EXPECT_EQ(dlg.State().view.m_nSrcX, std::min(std::max(cx - 287, 0), W - 575));
    EXPECT_EQ(dlg.State().view.m_nSrcY, std::min(std::max(cy - 215, 0), H - 431));
    ExpectBarsAndTrackerMatchTheView(viewer);

    ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(dlg.State().settings.m_nZoomMode, 1);
    EXPECT_EQ(dlg.State().view.m_fZoom, 1.0f);
    ExpectBarsAndTrackerMatchTheView(viewer);
}

TEST(ViewerViewZoom, HiddenButtonZoomsAboutTheViewsCentre) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    viewer.Click(IDC_ZOOM_IN);
    EXPECT_EQ(dlg.State().view.m_nCenterX, 320);
    EXPECT_EQ(dlg.State().view.m_nCenterY, 240);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 320 - 575 / 2);
    EXPECT_EQ(dlg.State().view.m_nSrcY, 240 - 431 / 2);
    for (int i = 0; i < 30; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    EXPECT_EQ(dlg.State().view.m_fZoom, 0.1f);
    EXPECT_EQ(dlg.State().view.m_nSrcWidth, 64);
    ExpectBarsAndTrackerMatchTheView(viewer);
    viewer.Click(IDC_ZOOM_OUT);
    EXPECT_EQ(dlg.State().settings.m_nZoomMode, 1);
    EXPECT_EQ(dlg.State().view.m_nSrcWidth, 76);
    ExpectBarsAndTrackerMatchTheView(viewer);
}

TEST(ViewerViewZoom, OneToOneShowsTheWholePictureAndKeepsTheCentre) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    viewer.EditState().view.m_nCenterX = 600;
    viewer.EditState().view.m_nCenterY = 400;
    ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    ::SendMessageW(viewer.Item(IDC_ZOOM_OUT_MODE), BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageW(viewer.Item(IDC_ZOOM_IN_MODE), BM_SETCHECK, BST_UNCHECKED, 0);
    viewer.Click(IDC_ONE_TO_ONE);
    EXPECT_EQ(dlg.State().view.m_fZoom, 1.0f);
    EXPECT_EQ(CRect(dlg.State().view.m_nSrcX, dlg.State().view.m_nSrcY,
                    dlg.State().view.m_nSrcWidth, dlg.State().view.m_nSrcHeight),
              CRect(0, 0, W, H));
    EXPECT_EQ(dlg.State().settings.m_nZoomMode, 0);
    EXPECT_EQ(::SendMessageW(viewer.Item(IDC_ZOOM_IN_MODE), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageW(viewer.Item(IDC_ZOOM_OUT_MODE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(dlg.State().view.m_nCenterX, 600);
    EXPECT_EQ(dlg.State().view.m_nCenterY, 400);
    EXPECT_EQ(dlg.m_pTracker->m_rect, viewer.ClientRectOf(IDC_THUMBNAIL));
    ExpectBarsAndTrackerMatchTheView(viewer);
}

void Wheel(ViewerWindow& viewer, short delta) {
    ::SendMessageW(viewer.Dlg().m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
}

TEST(ViewerViewScroll, EveryScrollCodeMovesTheViewWithinThePicture) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    for (int i = 0; i < 22; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    ASSERT_EQ(dlg.State().view.m_nSrcWidth, 64);
    viewer.Scroll(IDC_HSCROLL, SB_LEFT);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 0);
    viewer.Scroll(IDC_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 0);
    viewer.Scroll(IDC_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 1);
    EXPECT_EQ(dlg.State().view.m_nCenterX, 1 + 32);
    viewer.Scroll(IDC_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 65);
    viewer.Scroll(IDC_HSCROLL, SB_PAGELEFT);
    viewer.Scroll(IDC_HSCROLL, SB_PAGELEFT);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 0);
    viewer.Scroll(IDC_HSCROLL, SB_THUMBTRACK, 500);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 500);
    viewer.Scroll(IDC_HSCROLL, SB_THUMBPOSITION, 560);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 560);
    viewer.Scroll(IDC_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(dlg.State().view.m_nSrcX, W - 64) << "a page step stops exactly at the limit";
    viewer.Scroll(IDC_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(dlg.State().view.m_nSrcX, W - 64)
        << "the view never passes the picture's last column";
    viewer.Scroll(IDC_HSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(dlg.State().view.m_nSrcX, W - 64);

    viewer.Scroll(IDC_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(dlg.State().view.m_nSrcY, H - 48);
    EXPECT_EQ(dlg.State().view.m_nCenterY, H - 48 + 24);
    viewer.Scroll(IDC_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(dlg.State().view.m_nSrcY, H - 48);
    viewer.Scroll(IDC_VSCROLL, SB_TOP);
    EXPECT_EQ(dlg.State().view.m_nSrcY, 0);
    ExpectBarsAndTrackerMatchTheView(viewer);
}

TEST(ViewerViewScroll, AtTheWholePictureALineStepChangesNothing) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    viewer.Scroll(IDC_HSCROLL, SB_LINERIGHT);
    viewer.Scroll(IDC_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(dlg.State().view.m_nSrcX, 0);
    EXPECT_EQ(dlg.State().view.m_nSrcY, 0);
    EXPECT_EQ(Bar(viewer.Item(IDC_HSCROLL)).nPos, 0);
}

TEST(ViewerViewScroll, PanningDoesNotZoom) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    viewer.Click(IDC_ZOOM_IN);
    float zoom = dlg.State().view.m_fZoom;
    viewer.Scroll(IDC_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(dlg.State().view.m_fZoom, zoom);
    EXPECT_EQ(dlg.State().view.m_nSrcHeight, 431);
}

bool SamePixels(const ClientCapture& a, const ClientCapture& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return false;
    }
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.At(x, y) != b.At(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// The bars are set without drawing and drawn once afterwards: after the paint, each bar on
// screen must be what it draws from its final state, new page and position included.
TEST(ViewerViewScroll, BarsOnScreenShowTheNewViewOnceTheZoomIsPainted) {
    ViewerWindow viewer(SamplePicture());
    viewer.Repaint();
    const int bars[] = {IDC_HSCROLL, IDC_VSCROLL};
    std::vector<ClientCapture> before;
    for (int nID : bars) {
        before.emplace_back(viewer.Item(nID));
    }
    ::SendMessageW(viewer.Dlg().m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    viewer.Repaint();
    for (size_t i = 0; i < 2; ++i) {
        HWND hBar = viewer.Item(bars[i]);
        ClientCapture shown(hBar);
        ::RedrawWindow(hBar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        ClientCapture redrawn(hBar);
        EXPECT_FALSE(SamePixels(shown, before[i])) << "bar " << bars[i] << " kept its old thumb";
        EXPECT_TRUE(SamePixels(shown, redrawn)) << "bar " << bars[i];
    }
}

// A picture that could not be loaded: every operation must survive a picture of size 0.
TEST(ViewerViewEmpty, ZoomsScrollsAndOneToOneOnAMissingPictureLeaveTheAreasBlank) {
    ScratchFolder folder;
    ViewerWindow viewer(folder.Path(L"missing.bmp"));
    ViewerDlg& dlg = viewer.Dlg();
    CRect trackerBefore = dlg.m_pTracker->m_rect;
    for (int round = 0; round < 3; ++round) {
        viewer.Click(IDC_ZOOM_IN);
        viewer.Click(IDC_ZOOM_OUT);
        ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
        ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
        for (int code = SB_LINEUP; code <= SB_ENDSCROLL; ++code) {
            viewer.Scroll(IDC_HSCROLL, code, 3);
            viewer.Scroll(IDC_VSCROLL, code, 3);
        }
        viewer.Click(IDC_BRIGHTER);
        viewer.Click(IDC_ONE_TO_ONE);
    }
    EXPECT_EQ(dlg.State().view.m_nSrcWidth, 0);
    EXPECT_EQ(dlg.m_pTracker->m_rect, trackerBefore);
    viewer.Repaint();
    ClientCapture screen(dlg.m_hWnd);
    CRect area = viewer.ClientRectOf(IDC_PICTURE);
    EXPECT_EQ(screen.At(area.CenterPoint().x, area.CenterPoint().y), RGB(214, 211, 203));
    CRect thumb = viewer.ClientRectOf(IDC_THUMBNAIL);
    EXPECT_EQ(screen.At(thumb.CenterPoint().x, thumb.CenterPoint().y), RGB(214, 211, 203));
}

bool NearColour(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The working picture drawn 1:1 into 32-bit pixels, to sample the reference from.
class WorkingPicturePixels {
  public:
    explicit WorkingPicturePixels(GdiplusImage* image) {
        using namespace Gdiplus;
        DllExports::GdipCreateBitmapFromScan0(W, H, 0, PixelFormat32bppARGB, nullptr, &m_canvas);
        GpGraphics* graphics = nullptr;
        DllExports::GdipGetImageGraphicsContext(m_canvas, &graphics);
        DllExports::GdipDrawImageRectI(graphics, image->Native(), 0, 0, W, H);
        DllExports::GdipDeleteGraphics(graphics);
    }
    ~WorkingPicturePixels() { Gdiplus::DllExports::GdipDisposeImage(m_canvas); }
    COLORREF At(int x, int y) const {
        Gdiplus::ARGB c = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(m_canvas, x, y, &c);
        return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    }

  private:
    Gdiplus::GpBitmap* m_canvas = nullptr;
};

TEST(ViewerViewPaint, PictureAreaShowsTheSourceRectangleStretched) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    viewer.EditState().view.m_nCenterX = 520;
    viewer.EditState().view.m_nCenterY = 330;
    for (int i = 0; i < 6; ++i) {
        ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    }
    ASSERT_GT(dlg.State().view.m_nSrcX, 0);
    viewer.Repaint();
    ClientCapture screen(dlg.m_hWnd);
    WorkingPicturePixels picture(dlg.m_pImage.get());
    int matches = 0;
    int samples = 0;
    for (int gy = 1; gy < 20; ++gy) {
        for (int gx = 1; gx < 20; ++gx) {
            int vx = dlg.State().area.m_nViewWidth * gx / 20;
            int vy = dlg.State().area.m_nViewHeight * gy / 20;
            int px = dlg.State().view.m_nSrcX +
                     dlg.State().view.m_nSrcWidth * vx / dlg.State().area.m_nViewWidth;
            int py = dlg.State().view.m_nSrcY +
                     dlg.State().view.m_nSrcHeight * vy / dlg.State().area.m_nViewHeight;
            ++samples;
            if (NearColour(
                    screen.At(dlg.State().area.m_nViewX + vx, dlg.State().area.m_nViewY + vy),
                    picture.At(px, py), 40)) {
                ++matches;
            }
        }
    }
    // Edges blur under interpolation; a wrong source rectangle misses most points.
    EXPECT_GE(matches * 100, samples * 90) << matches << " of " << samples;
}

// A flat grey picture makes brightness and the caption easy to see.
class GreyPicture : public testing::Test {
  protected:
    void SetUp() override {
        m_path = m_folder.Path(L"grey.bmp");
        ASSERT_TRUE(WriteTwoColourPicture(m_path, L"image/bmp", 64, 48, 0xFF808080, 0xFF808080));
    }
    ScratchFolder m_folder;
    std::wstring m_path;
};

COLORREF CentreOfPicture(ViewerWindow& viewer) {
    viewer.Repaint();
    ClientCapture screen(viewer.Dlg().m_hWnd);
    CRect area = viewer.ClientRectOf(IDC_PICTURE);
    return screen.At(area.CenterPoint().x, area.CenterPoint().y);
}

TEST_F(GreyPicture, GammaBelowOneBrightensAndAboveOneDarkens) {
    ViewerWindow viewer(m_path);
    COLORREF normal = CentreOfPicture(viewer);
    EXPECT_TRUE(NearColour(normal, RGB(128, 128, 128), 3));
    for (int i = 0; i < 5; ++i) {
        viewer.Click(IDC_BRIGHTER);
    }
    COLORREF brighter = CentreOfPicture(viewer);
    EXPECT_GT(GetGValue(brighter), GetGValue(normal) + 40);
    for (int i = 0; i < 15; ++i) {
        viewer.Click(IDC_DARKER);
    }
    COLORREF darker = CentreOfPicture(viewer);
    EXPECT_LT(GetGValue(darker) + 20, GetGValue(normal));
}

// Which pixels of a box are pure white: on screen at the picture area's corner, or where the
// caption's font draws a text in white.
using WhiteMask = std::vector<bool>;
constexpr int kCaptionBoxWidth = 120;
constexpr int kCaptionBoxHeight = 30;

WhiteMask ScreenCaptionMask(ViewerDlg& dlg) {
    ClientCapture screen(dlg.m_hWnd);
    WhiteMask mask;
    for (int y = 0; y < kCaptionBoxHeight; ++y) {
        for (int x = 0; x < kCaptionBoxWidth; ++x) {
            mask.push_back(screen.At(dlg.State().area.m_nViewX + x,
                                     dlg.State().area.m_nViewY + y) == RGB(255, 255, 255));
        }
    }
    return mask;
}

WhiteMask TextMask(const wchar_t* text) {
    void* bits = nullptr;
    HBITMAP hBitmap = CreateDib32(kCaptionBoxWidth, kCaptionBoxHeight, &bits);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap = ::SelectObject(hDC, hBitmap);
    HFONT hFont =
        ::CreateFontW(24, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, L"Arial");
    HGDIOBJ oldFont = ::SelectObject(hDC, hFont);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, RGB(255, 255, 255));
    ::TextOutW(hDC, 0, 0, text, static_cast<int>(wcslen(text)));
    ::GdiFlush();
    WhiteMask mask;
    const UINT32* pixels = static_cast<const UINT32*>(bits);
    for (int i = 0; i < kCaptionBoxWidth * kCaptionBoxHeight; ++i) {
        mask.push_back((pixels[i] & 0xFFFFFF) == 0xFFFFFF);
    }
    ::SelectObject(hDC, oldFont);
    ::DeleteObject(hFont);
    ::SelectObject(hDC, oldBitmap);
    ::DeleteDC(hDC);
    ::DeleteObject(hBitmap);
    return mask;
}

TEST_F(GreyPicture, CaptionReadsTheZoomOnScreen) {
    ViewerWindow viewer(m_path);
    ViewerDlg& dlg = viewer.Dlg();
    ::SendMessageW(dlg.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    ASSERT_EQ(dlg.State().view.m_fZoom, 0.9f);
    viewer.Repaint();
    WhiteMask shown = ScreenCaptionMask(dlg);
    // The caption is the reciprocal of the squared factor: 1 / 0.81 = 1.23.
    ASSERT_NE(TextMask(L" X 1.2 "), TextMask(L" X 1.1 ")) << "the box tells the texts apart";
    EXPECT_EQ(shown, TextMask(L" X 1.2 "));
    EXPECT_NE(shown, TextMask(L" X 1.1 "));
}

TEST_F(GreyPicture, CaptionIsWhiteWithABlackOutlineAndAbsentWhilePrinting) {
    ViewerWindow viewer(m_path);
    ViewerDlg& dlg = viewer.Dlg();
    auto countCaptionPixels = [&](int* white, int* black) {
        ClientCapture screen(dlg.m_hWnd);
        *white = *black = 0;
        for (int y = dlg.State().area.m_nViewY; y < dlg.State().area.m_nViewY + 30; ++y) {
            for (int x = dlg.State().area.m_nViewX; x < dlg.State().area.m_nViewX + 80; ++x) {
                COLORREF c = screen.At(x, y);
                *white += c == RGB(255, 255, 255);
                *black += c == RGB(0, 0, 0);
            }
        }
    };
    viewer.Repaint();
    int white = 0;
    int black = 0;
    countCaptionPixels(&white, &black);
    EXPECT_GT(white, 20);
    EXPECT_GT(black, white) << "the outline is wider than the letters";

    viewer.EditState().settings.m_bPrinting = 1;
    dlg.Invalidate(FALSE);
    viewer.Repaint();
    countCaptionPixels(&white, &black);
    EXPECT_EQ(white, 0);
    EXPECT_EQ(black, 0);
}

// How many pixels of two captures of one window differ, and the first few of them, leaving out
// the picture area's outermost columns and rows: a stretch that magnifies blends those with what
// the screen showed before, so they carry the history of earlier views whatever draws them.
std::string DifferingPixels(const ClientCapture& a, const ClientCapture& b, const CRect& picture) {
    CRect inner = picture;
    inner.DeflateRect(1, 1);
    std::string where;
    int count = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            CPoint point(x, y);
            bool blendedEdge = picture.PtInRect(point) && !inner.PtInRect(point);
            if (blendedEdge || a.At(x, y) == b.At(x, y)) {
                continue;
            }
            if (count++ < 5) {
                where += " (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    }
    return count == 0 ? "" : std::to_string(count) + " pixels differ:" + where;
}

// A viewer kept open through a run of view changes, each painted as it comes, must show what a
// viewer opened afresh and brought straight to the same view paints: nothing drawn for an
// earlier view may stay on the screen.
TEST(ViewerViewPaint, EachViewChangeLeavesTheScreenAFreshViewerPaints) {
    const std::vector<std::pair<const char*, std::function<void(ViewerWindow&)>>> steps = {
        {"wheel in", [](ViewerWindow& v) { Wheel(v, -WHEEL_DELTA); }},
        {"wheel in", [](ViewerWindow& v) { Wheel(v, -WHEEL_DELTA); }},
        {"brighter", [](ViewerWindow& v) { v.Click(IDC_BRIGHTER); }},
        {"page right", [](ViewerWindow& v) { v.Scroll(IDC_HSCROLL, SB_PAGERIGHT); }},
        {"line down", [](ViewerWindow& v) { v.Scroll(IDC_VSCROLL, SB_LINEDOWN); }},
        {"darker", [](ViewerWindow& v) { v.Click(IDC_DARKER); }},
        {"darker", [](ViewerWindow& v) { v.Click(IDC_DARKER); }},
        {"wheel out", [](ViewerWindow& v) { Wheel(v, WHEEL_DELTA); }},
        {"1:1", [](ViewerWindow& v) { v.Click(IDC_ONE_TO_ONE); }},
        {"wheel in", [](ViewerWindow& v) { Wheel(v, -WHEEL_DELTA); }},
    };
    ViewerWindow kept(SamplePicture());
    kept.Repaint();
    for (size_t done = 0; done < steps.size(); ++done) {
        steps[done].second(kept);
        kept.Repaint();
        ClientCapture shown(kept.Dlg().m_hWnd);
        {
            ViewerWindow fresh(SamplePicture());
            for (size_t i = 0; i <= done; ++i) {
                steps[i].second(fresh);
            }
            fresh.Repaint();
            // A view change repaints the dialog's own area, over the frames the picture and
            // navigator controls drew on their first paint.
            ::RedrawWindow(fresh.Dlg().m_hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
            ClientCapture painted(fresh.Dlg().m_hWnd);
            EXPECT_EQ(DifferingPixels(shown, painted, kept.ClientRectOf(IDC_PICTURE)), "")
                << "after step " << done + 1 << " (" << steps[done].first << ")";
        }
        kept.Repaint();
    }
}

TEST(ViewerViewPaint, NavigatorOutlineIsMagentaOnePixelInsideTheTrackerRectangle) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    for (int i = 0; i < 5; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    viewer.Repaint();
    ClientCapture screen(dlg.m_hWnd);
    const CRect& r = dlg.m_pTracker->m_rect;
    int midX = (r.left + r.right) / 2;
    int midY = (r.top + r.bottom) / 2;
    const COLORREF magenta = RGB(255, 0, 255);
    EXPECT_EQ(screen.At(r.left + 1, midY), magenta);
    EXPECT_EQ(screen.At(r.right - 2, midY), magenta);
    EXPECT_EQ(screen.At(midX, r.top + 1), magenta);
    EXPECT_EQ(screen.At(midX, r.bottom - 2), magenta);
    EXPECT_NE(screen.At(r.left, midY), magenta);
    EXPECT_NE(screen.At(r.right - 1, midY), magenta);
    EXPECT_NE(screen.At(r.left + 2, midY), magenta);
}

TEST(ViewerViewPaint, DraggingTheMinimisedWindowUsesTheIcon) {
    ViewerWindow viewer(SamplePicture());
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(viewer.Dlg().m_hWnd, WM_QUERYDRAGICON, 0, 0)),
              viewer.Dlg().m_hIcon);
    EXPECT_NE(viewer.Dlg().m_hIcon, nullptr);
}

TEST(ViewerViewPaint, BackgroundIsTheViewersGrey) {
    ViewerWindow viewer(SamplePicture());
    viewer.Dlg().Invalidate(TRUE);
    viewer.Repaint();
    ClientCapture screen(viewer.Dlg().m_hWnd);
    EXPECT_EQ(screen.At(3, screen.Height() - 3), RGB(214, 211, 203));
    EXPECT_EQ(screen.At(screen.Width() - 3, 3), RGB(214, 211, 203));
}

TEST(ViewerViewQuality, ChoiceSetsTheModeAndMovesTheFocusToTheHiddenZoomButton) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    HWND hCombo = viewer.Item(IDC_QUALITY);
    const int expected[] = {3, 7, 6};
    for (int index : {0, 2, 1}) {
        ::SendMessageW(hCombo, CB_SETCURSEL, index, 0);
        ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_QUALITY, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(hCombo));
        EXPECT_EQ(dlg.State().settings.m_nInterpolation, expected[index]);
        EXPECT_EQ(::GetFocus(), viewer.Item(IDC_ZOOM_IN));
    }
}

// Only nearest-neighbour and bilinear differ on this platform, so nearest-neighbour shows that
// the viewer's mode reaches the drawing: its stretched edges stay hard.
TEST(ViewerViewQuality, InterpolationModeReachesTheDrawing) {
    ScratchFolder folder;
    std::wstring path = folder.Path(L"edge.bmp");
    ASSERT_TRUE(WriteTwoColourPicture(path, L"image/bmp", 640, 480, 0xFF000000, 0xFFFFFFFF));
    ViewerWindow viewer(path);
    ViewerDlg& dlg = viewer.Dlg();
    for (int i = 0; i < 22; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    auto blendedPixelsOnARow = [&](int mode) {
        viewer.EditState().settings.m_nInterpolation = mode;
        dlg.Invalidate(FALSE);
        viewer.Repaint();
        ClientCapture screen(dlg.m_hWnd);
        int blended = 0;
        int y = dlg.State().area.m_nViewY + dlg.State().area.m_nViewHeight / 2;
        for (int x = dlg.State().area.m_nViewX + 40;
             x < dlg.State().area.m_nViewX + dlg.State().area.m_nViewWidth; ++x) {
            int g = GetGValue(screen.At(x, y));
            blended += g > 20 && g < 235;
        }
        return blended;
    };
    int nearest = blendedPixelsOnARow(5);
    int bilinear = blendedPixelsOnARow(3);
    EXPECT_LE(nearest, 1);
    EXPECT_GE(bilinear, 8) << "nearest-neighbour blended " << nearest;
}

} // namespace
