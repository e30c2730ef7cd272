// The mouse over the viewer, with real input where the behaviour depends on it: clicks and
// double clicks go through the system's input queue as a user's would.
#include "navigator_tracker.h"
#include "modal_script.h"
#include "resource.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int W = 640;
constexpr int H = 480;

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    ::SendInput(1, &input, sizeof(input));
}

// A click of the left button at a point of the screen (the viewer's client area starts at the
// screen's origin), handled before this returns.
void RealClick(int x, int y, int count = 1) {
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    for (int i = 0; i < count; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
    // The input reaches the queue through the display server; the up of the last click is the
    // last message it makes.
    bool released = false;
    PumpMessagesUntil([&] {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            released = released || msg.message == WM_LBUTTONUP;
            if (!AfxGetApp()->ProcessMessageFilter(MSGF_DIALOGBOX, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        return released;
    });
    PumpPendingMessages();
}

CPoint Centre(HWND hWnd) {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc.CenterPoint();
}

int Clamp(int v, int lo, int hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

class ViewerMouse : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_viewer.Created());
        PumpPendingMessages();
        m_area = m_viewer.ClientRectOf(IDC_PICTURE);
        m_thumb = m_viewer.ClientRectOf(IDC_THUMBNAIL);
    }
    ViewerDlg& Dlg() { return m_viewer.Dlg(); }
    bool Down(int nID) {
        return ::SendMessageW(m_viewer.Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void Wheel(short delta) {
        ::SendMessageW(Dlg().m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }

    ViewerWindow m_viewer{SamplePicture()};
    CRect m_area;
    CRect m_thumb;
};

TEST_F(ViewerMouse, ClickInZoomInModeZoomsAboutTheClickedPoint) {
    int ax = m_area.Width() / 4;
    int ay = m_area.Height() / 3;
    RealClick(m_area.left + ax, m_area.top + ay);
    int cx = static_cast<int>(640.0 * ax / m_area.Width());
    int cy = static_cast<int>(480.0 * ay / m_area.Height());
    EXPECT_EQ(Dlg().State().view.m_nSrcWidth, 575);
    EXPECT_EQ(Dlg().State().view.m_nSrcX, Clamp(cx - 287, 0, W - 575));
    EXPECT_EQ(Dlg().State().view.m_nSrcY, Clamp(cy - 215, 0, H - 431));
    EXPECT_EQ(Dlg().State().view.m_nCenterX, cx);
}

TEST_F(ViewerMouse, ClickInZoomOutModeZoomsOutAboutTheClickedPoint) {
    for (int i = 0; i < 5; ++i) {
        Wheel(-120);
    }
    RealClick(Centre(m_viewer.Item(IDC_ZOOM_OUT_MODE)).x,
              Centre(m_viewer.Item(IDC_ZOOM_OUT_MODE)).y);
    ASSERT_EQ(Dlg().State().settings.m_nZoomMode, 1);
    float before = Dlg().State().view.m_fZoom;
    int srcX = Dlg().State().view.m_nSrcX;
    int srcWidth = Dlg().State().view.m_nSrcWidth;
    int ax = m_area.Width() - 10;
    RealClick(m_area.left + ax, m_area.top + m_area.Height() / 2);
    EXPECT_FLOAT_EQ(Dlg().State().view.m_fZoom, before * 1.2f);
    int cx = static_cast<int>(static_cast<double>(srcWidth) * ax / m_area.Width()) + srcX;
    EXPECT_EQ(Dlg().State().view.m_nSrcX, Clamp(cx - Dlg().State().view.m_nSrcWidth / 2, 0,
                                                W - Dlg().State().view.m_nSrcWidth));
}

TEST_F(ViewerMouse, ClicksOnTheAreasFirstColumnRowOrFrameDoNothing) {
    HWND hArea = m_viewer.Item(IDC_PICTURE);
    CRect outer;
    ::GetWindowRect(hArea, &outer);
    for (CPoint p : {CPoint(m_area.left, m_area.top + 50), CPoint(m_area.left + 50, m_area.top),
                     CPoint(outer.left, outer.top + 50), CPoint(outer.left + 60, outer.top)}) {
        RealClick(p.x, p.y);
        EXPECT_EQ(Dlg().State().view.m_fZoom, 1.0f) << p.x << ", " << p.y;
    }
}

TEST_F(ViewerMouse, InModeFiveAClickOnlyMovesTheCentreForTheNextWheelStep) {
    CPoint toggle = Centre(m_viewer.Item(IDC_ZOOM_IN_MODE));
    RealClick(toggle.x, toggle.y);
    ASSERT_EQ(Dlg().State().settings.m_nZoomMode, 5);
    m_viewer.Repaint();
    ClientCapture before(Dlg().m_hWnd);
    int ax = m_area.Width() * 3 / 4;
    int ay = m_area.Height() / 4;
    RealClick(m_area.left + ax, m_area.top + ay);
    m_viewer.Repaint();
    ClientCapture after(Dlg().m_hWnd);
    int changed = 0;
    for (int y = m_area.top; y < m_area.bottom; y += 7) {
        for (int x = m_area.left; x < m_area.right; x += 7) {
            changed += before.At(x, y) != after.At(x, y);
        }
    }
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(Dlg().State().view.m_fZoom, 1.0f);
    Wheel(-120);
    int cx = static_cast<int>(640.0 * ax / m_area.Width());
    EXPECT_EQ(Dlg().State().view.m_nCenterX, cx);
    EXPECT_EQ(Dlg().State().view.m_nSrcX, Clamp(cx - 287, 0, W - 575));
}

TEST_F(ViewerMouse, TogglesBehaveAsARadioPairThatMayBothBeUp) {
    CPoint zoomIn = Centre(m_viewer.Item(IDC_ZOOM_IN_MODE));
    CPoint zoomOut = Centre(m_viewer.Item(IDC_ZOOM_OUT_MODE));
    ASSERT_TRUE(Down(IDC_ZOOM_IN_MODE));
    RealClick(zoomOut.x, zoomOut.y);
    EXPECT_FALSE(Down(IDC_ZOOM_IN_MODE));
    EXPECT_TRUE(Down(IDC_ZOOM_OUT_MODE));
    EXPECT_EQ(Dlg().State().settings.m_nZoomMode, 1);
    RealClick(zoomIn.x, zoomIn.y);
    EXPECT_TRUE(Down(IDC_ZOOM_IN_MODE));
    EXPECT_FALSE(Down(IDC_ZOOM_OUT_MODE));
    EXPECT_EQ(Dlg().State().settings.m_nZoomMode, 0);
    RealClick(zoomIn.x, zoomIn.y);
    EXPECT_FALSE(Down(IDC_ZOOM_IN_MODE));
    EXPECT_FALSE(Down(IDC_ZOOM_OUT_MODE));
    EXPECT_EQ(Dlg().State().settings.m_nZoomMode, 5);
}

TEST_F(ViewerMouse, CommandsReleaseTheToggles) {
    CPoint zoomOut = Centre(m_viewer.Item(IDC_ZOOM_OUT_MODE));
    for (int command : {IDC_BRIGHTER, IDC_DARKER, IDC_SAVE, IDC_PRINT}) {
        RealClick(zoomOut.x, zoomOut.y);
        ASSERT_TRUE(Down(IDC_ZOOM_OUT_MODE));
        {
            // Save and Print open their dialogs; each is cancelled as it comes up.
            ModalScript cancelDialogs;
            m_viewer.Click(command);
        }
        EXPECT_FALSE(Down(IDC_ZOOM_OUT_MODE)) << command;
        EXPECT_FALSE(Down(IDC_ZOOM_IN_MODE)) << command;
        EXPECT_EQ(Dlg().State().settings.m_nZoomMode, 5) << command;
        m_viewer.Click(IDC_ONE_TO_ONE);
        EXPECT_TRUE(Down(IDC_ZOOM_IN_MODE));
        EXPECT_EQ(Dlg().State().settings.m_nZoomMode, 0);
    }
}

HCURSOR CursorOver(ViewerDlg& dlg, CPoint point) {
    ::SetCursorPos(point.x, point.y);
    ::SendMessageW(dlg.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(dlg.m_hWnd),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}

TEST_F(ViewerMouse, CursorShowsTheModeOverThePictureAndTheHandOverTheZoomedThumbnail) {
    CPoint picture = m_area.CenterPoint();
    CPoint thumb = m_thumb.CenterPoint();
    HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    for (HCURSOR own : {Dlg().m_hCursorZoomIn, Dlg().m_hCursorZoomOut, Dlg().m_hCursorThumb}) {
        ASSERT_NE(own, nullptr) << "a cursor of the program's own did not load";
    }
    EXPECT_EQ(CursorOver(Dlg(), picture), Dlg().m_hCursorZoomIn) << "magnifier with plus";
    EXPECT_EQ(CursorOver(Dlg(), thumb), arrow) << "no hand at 1:1";
    m_viewer.EditState().settings.m_nZoomMode = 1;
    EXPECT_EQ(CursorOver(Dlg(), picture), Dlg().m_hCursorZoomOut) << "magnifier with minus";
    m_viewer.EditState().settings.m_nZoomMode = 5;
    EXPECT_EQ(CursorOver(Dlg(), picture), arrow);
    Wheel(-120);
    EXPECT_EQ(CursorOver(Dlg(), thumb), Dlg().m_hCursorThumb) << "open hand";
    EXPECT_EQ(CursorOver(Dlg(), {m_area.left, m_area.top + 40}), arrow) << "the area's edge";
}

// What the picture tip is sent, seen through a hook on this thread's sent messages.
struct RelayWatch {
    static HWND s_hTip;
    static std::vector<MSG> s_relayed;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->hwnd == s_hTip && sent->message == TTM_RELAYEVENT) {
            s_relayed.push_back(*reinterpret_cast<MSG*>(sent->lParam));
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
HWND RelayWatch::s_hTip = nullptr;
std::vector<MSG> RelayWatch::s_relayed;

TEST_F(ViewerMouse, CursorRequestsOverButtonsAreRelayedToThePictureTip) {
    RelayWatch::s_hTip = Dlg().m_tipPicture.m_hWnd;
    RelayWatch::s_relayed.clear();
    HHOOK hook =
        ::SetWindowsHookExW(WH_CALLWNDPROC, &RelayWatch::Hook, nullptr, ::GetCurrentThreadId());
    HWND hButton = m_viewer.Item(IDC_ONE_TO_ONE);
    ::SendMessageW(Dlg().m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hButton),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    ::SendMessageW(Dlg().m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(Dlg().m_hWnd),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    ::SendMessageW(Dlg().m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(m_viewer.Item(IDC_PICTURE)),
                   MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    ::UnhookWindowsHookEx(hook);
    ASSERT_EQ(RelayWatch::s_relayed.size(), 1u) << "only the button's request is relayed";
    EXPECT_EQ(RelayWatch::s_relayed[0].hwnd, hButton);
    EXPECT_EQ(RelayWatch::s_relayed[0].message, static_cast<UINT>(WM_MOUSEMOVE));
}

TEST_F(ViewerMouse, AtOneToOneThumbnailClicksDoNothing) {
    RealClick(m_thumb.left + 5, m_thumb.top + 5);
    EXPECT_EQ(Dlg().State().view.m_nSrcX, 0);
    EXPECT_EQ(Dlg().State().view.m_fZoom, 1.0f);
    EXPECT_EQ(Dlg().m_pTracker->m_rect, m_thumb);
}

TEST_F(ViewerMouse, AClickBesideTheNavigatorRectangleCentresTheViewThereClamped) {
    for (int i = 0; i < 10; ++i) {
        Wheel(-120);
    }
    int mode = Dlg().State().settings.m_nZoomMode;
    RealClick(m_thumb.right - 3, m_thumb.bottom - 3);
    EXPECT_EQ(Dlg().State().view.m_nSrcX, W - Dlg().State().view.m_nSrcWidth);
    EXPECT_EQ(Dlg().State().view.m_nSrcY, H - Dlg().State().view.m_nSrcHeight);
    EXPECT_EQ(Dlg().State().settings.m_nZoomMode, mode);
    RealClick(m_thumb.left + 2, m_thumb.top + 2);
    EXPECT_EQ(Dlg().State().view.m_nSrcX, 0);
    EXPECT_EQ(Dlg().State().view.m_nSrcY, 0);
    const CRect& r = Dlg().m_pTracker->m_rect;
    EXPECT_EQ(r.TopLeft(), m_thumb.TopLeft()) << "the rectangle follows";
}

// A drag of the navigator rectangle: press on it, move, release, all posted before the press is
// handled, so the tracker's capture loop reads them in order.
void PostDrag(HWND hDlg, CPoint from, CPoint to, UINT finish = WM_LBUTTONUP) {
    ::SetCursorPos(from.x, from.y);
    PumpPendingMessages();
    ::PostMessageW(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    ::PostMessageW(hDlg, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((from.x + to.x) / 2, to.y));
    ::PostMessageW(hDlg, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    WPARAM wParam = finish == WM_KEYDOWN ? VK_ESCAPE : 0;
    ::PostMessageW(hDlg, finish, wParam, MAKELPARAM(to.x, to.y));
    PumpPendingMessages();
}

TEST_F(ViewerMouse, DraggingTheRectangleToEachEdgeGivesTheEdgeOffsets) {
    for (int i = 0; i < 8; ++i) {
        Wheel(-120);
    }
    int mode = Dlg().State().settings.m_nZoomMode;
    struct Case {
        int dx;
        int dy;
    };
    for (Case c : {Case{-500, 0}, Case{0, -500}, Case{500, 0}, Case{0, 500}}) {
        CPoint from = Dlg().m_pTracker->m_rect.CenterPoint();
        CPoint to(from.x + c.dx, from.y + c.dy);
        PostDrag(Dlg().m_hWnd, from, to);
        const CRect& r = Dlg().m_pTracker->m_rect;
        EXPECT_TRUE(r.left >= m_thumb.left && r.right <= m_thumb.right && r.top >= m_thumb.top &&
                    r.bottom <= m_thumb.bottom);
        if (c.dx < 0) {
            EXPECT_EQ(Dlg().State().view.m_nSrcX, 0);
        }
        if (c.dy < 0) {
            EXPECT_EQ(Dlg().State().view.m_nSrcY, 0);
        }
        if (c.dx > 0) {
            EXPECT_EQ(r.right, m_thumb.right);
            EXPECT_EQ(Dlg().State().view.m_nSrcX, W - Dlg().State().view.m_nSrcWidth)
                << "never past the picture";
        }
        if (c.dy > 0) {
            EXPECT_EQ(r.bottom, m_thumb.bottom);
            EXPECT_EQ(Dlg().State().view.m_nSrcY, H - Dlg().State().view.m_nSrcHeight)
                << "never past the picture";
        }
        EXPECT_EQ(Dlg().State().settings.m_nZoomMode, mode);
        EXPECT_EQ(Dlg().State().view.m_nCenterX,
                  Dlg().State().view.m_nSrcX + Dlg().State().view.m_nSrcWidth / 2);
    }
}

TEST_F(ViewerMouse, EscapeAndTheRightButtonCancelADrag) {
    for (int i = 0; i < 8; ++i) {
        Wheel(-120);
    }
    for (UINT finish : {static_cast<UINT>(WM_KEYDOWN), static_cast<UINT>(WM_RBUTTONDOWN)}) {
        CRect before = Dlg().m_pTracker->m_rect;
        int srcX = Dlg().State().view.m_nSrcX;
        CPoint from = before.CenterPoint();
        PostDrag(Dlg().m_hWnd, from, {from.x + 20, from.y + 10}, finish);
        EXPECT_EQ(Dlg().m_pTracker->m_rect, before);
        EXPECT_EQ(Dlg().State().view.m_nSrcX, srcX);
    }
}

// At the smallest zoom the rectangle is about a tenth of the thumbnail, mostly covered by its
// handle squares; a press on one of them sets the closed hand and changes nothing.
TEST_F(ViewerMouse, AtTheSmallestZoomAPressOnAHandleSquareDoesNotDragButAClickBesideCentres) {
    for (int i = 0; i < 25; ++i) {
        Wheel(-120);
    }
    ASSERT_EQ(Dlg().State().view.m_fZoom, 0.1f);
    CRect before = Dlg().m_pTracker->m_rect;
    int srcX = Dlg().State().view.m_nSrcX;
    CPoint corner(before.left + 1, before.top + 1);
    PostDrag(Dlg().m_hWnd, corner, {corner.x + 30, corner.y + 5});
    EXPECT_EQ(::GetCursor(), Dlg().m_hCursorDrag) << "closed hand";
    EXPECT_EQ(Dlg().m_pTracker->m_rect, before);
    EXPECT_EQ(Dlg().State().view.m_nSrcX, srcX);
    RealClick(m_thumb.left + 3, m_thumb.top + 3);
    EXPECT_EQ(Dlg().State().view.m_nSrcX, 0);
    EXPECT_EQ(Dlg().State().view.m_nSrcY, 0);
}

TEST_F(ViewerMouse, ADoubleClickInThePictureZoomsOnce) {
    RealClick(m_area.CenterPoint().x, m_area.CenterPoint().y, 2);
    EXPECT_EQ(Dlg().State().view.m_fZoom, 0.9f);
}

bool IsTopmost(HWND hWnd) {
    return (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(ViewerMouse, ShiftDoubleClickMarksTheCornerAndLeavesTheTopmostBand) {
    HWND hDlg = Dlg().m_hWnd;
    ::SendMessageW(hDlg, WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT | MK_CONTROL, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsTopmost(hDlg)) << "Ctrl + Shift is not the mark";
    m_viewer.Repaint();
    ClientCapture before(hDlg);
    ::SendMessageW(hDlg, WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsTopmost(hDlg));
    ClientCapture after(hDlg);
    int marked = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 40; ++x) {
            marked += before.At(x, y) != after.At(x, y);
        }
    }
    EXPECT_GT(marked, 10) << "the text \"0320\" at the origin";
}

} // namespace
