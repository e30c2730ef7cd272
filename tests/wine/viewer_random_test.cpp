// Hundreds of random user actions on the viewer, checking after each that the view stays
// sound, and at the end that nothing leaked.
#include "navigator_tracker.h"
#include "resource.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr int W = 640;
constexpr int H = 480;

class RandomUser {
  public:
    RandomUser(ViewerWindow& viewer, unsigned seed) : m_viewer(viewer), m_random(seed) {
        m_area = viewer.ClientRectOf(IDC_PICTURE);
        m_thumb = viewer.ClientRectOf(IDC_THUMBNAIL);
    }

    // Does one action and names it.
    std::string Act() {
        ViewerDlg& dlg = m_viewer.Dlg();
        HWND hDlg = dlg.m_hWnd;
        switch (Pick(9)) {
        case 0:
            PostClick(hDlg, PointIn(m_area));
            return "picture click";
        case 1:
            PostClick(hDlg, PointIn(m_thumb));
            return "thumbnail click";
        case 2: {
            CPoint from = dlg.m_pTracker->m_rect.CenterPoint();
            CPoint to(from.x + Pick(121) - 60, from.y + Pick(121) - 60);
            ::PostMessageW(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
            ::PostMessageW(hDlg, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
            ::PostMessageW(hDlg, Pick(4) == 0 ? WM_RBUTTONDOWN : WM_LBUTTONUP, 0,
                           MAKELPARAM(to.x, to.y));
            PumpPendingMessages();
            return "navigator drag";
        }
        case 3:
            ::SendMessageW(hDlg, WM_MOUSEWHEEL, MAKEWPARAM(0, Pick(2) ? 120 : 65416), 0);
            return "wheel";
        case 4: {
            int nBar = Pick(2) ? IDC_HSCROLL : IDC_VSCROLL;
            ::SendMessageW(hDlg, nBar == IDC_HSCROLL ? WM_HSCROLL : WM_VSCROLL,
                           MAKEWPARAM(Pick(9), Pick(700)),
                           reinterpret_cast<LPARAM>(m_viewer.Item(nBar)));
            return "scroll";
        }
        case 5:
            ::SendMessageW(m_viewer.Item(Pick(2) ? IDC_ZOOM_IN_MODE : IDC_ZOOM_OUT_MODE), BM_CLICK,
                           0, 0);
            return "toggle";
        case 6: {
            const int commands[] = {IDC_BRIGHTER, IDC_DARKER, IDC_ONE_TO_ONE, IDC_ZOOM_IN,
                                    IDC_ZOOM_OUT};
            m_viewer.Click(commands[Pick(5)]);
            return "command";
        }
        case 7:
            ::SendMessageW(m_viewer.Item(IDC_QUALITY), CB_SETCURSEL, Pick(3), 0);
            ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_QUALITY, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(m_viewer.Item(IDC_QUALITY)));
            return "quality";
        default:
            m_viewer.Repaint();
            return "paint";
        }
    }

  private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    CPoint PointIn(const CRect& r) { return {r.left + Pick(r.Width()), r.top + Pick(r.Height())}; }
    static void PostClick(HWND hDlg, CPoint p) {
        ::PostMessageW(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        ::PostMessageW(hDlg, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        PumpPendingMessages();
    }

    ViewerWindow& m_viewer;
    std::mt19937 m_random;
    CRect m_area;
    CRect m_thumb;
};

void ExpectSoundView(ViewerWindow& viewer, const std::string& action, int step) {
    ViewerDlg& dlg = viewer.Dlg();
    CRect thumb = viewer.ClientRectOf(IDC_THUMBNAIL);
    const CRect& tracker = dlg.m_pTracker->m_rect;
    SCOPED_TRACE("step " + std::to_string(step) + ": " + action);
    EXPECT_GE(dlg.m_fZoom, 0.1f);
    EXPECT_LE(dlg.m_fZoom, 1.0f);
    EXPECT_GE(dlg.m_nSrcX, 0);
    EXPECT_GE(dlg.m_nSrcY, 0);
    EXPECT_LE(dlg.m_nSrcX + dlg.m_nSrcWidth, W);
    EXPECT_LE(dlg.m_nSrcY + dlg.m_nSrcHeight, H);
    EXPECT_TRUE(tracker.left >= thumb.left && tracker.top >= thumb.top &&
                tracker.right <= thumb.right && tracker.bottom <= thumb.bottom);
    EXPECT_TRUE(dlg.m_nZoomMode == 0 || dlg.m_nZoomMode == 1 || dlg.m_nZoomMode == 5)
        << "mode " << dlg.m_nZoomMode;
}

TEST(ViewerRandomUse, KeepsTheViewInsideThePictureAndLeaksNothing) {
    ViewerWindow viewer(SamplePicture());
    ::SendMessageW(viewer.Dlg().m_hWnd, WM_MOUSEMOVE, 0, 0);
    RandomUser user(viewer, 20261207);
    for (int i = 0; i < 60; ++i) {
        user.Act();
    }
    AfxDeleteTempMaps();
    int gdiBefore = CountLiveGdiObjects();
    int windowsBefore = CountThreadWindows();
    for (int step = 0; step < 400; ++step) {
        std::string action = user.Act();
        ExpectSoundView(viewer, action, step);
        if (HasFailure()) {
            break;
        }
    }
    AfxDeleteTempMaps();
    EXPECT_EQ(CountLiveGdiObjects(), gdiBefore);
    EXPECT_EQ(CountThreadWindows(), windowsBefore);
}

} // namespace
