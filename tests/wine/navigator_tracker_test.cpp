// The navigator rectangle's drag, driven by posted mouse and key messages that its capture loop
// reads as if the user made them.
#include "navigator_tracker.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

namespace {

const CRect kBounds(100, 10, 240, 115);

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class TrackerDrag : public testing::Test {
  protected:
    void SetUp() override {
        HWND hWnd = ::CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                      nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_wnd.SubclassWindow(hWnd));
        PumpPendingMessages();
    }
    void TearDown() override { m_wnd.DestroyWindow(); }

    // Posts the messages the drag will read, then presses at the point.
    BOOL Drag(NavigatorTracker& tracker, CPoint press, std::initializer_list<Posted> script) {
        POINT screen = press;
        ::ClientToScreen(m_wnd.m_hWnd, &screen);
        ::SetCursorPos(screen.x, screen.y);
        PumpPendingMessages();
        for (const Posted& msg : script) {
            ::PostMessageW(m_wnd.m_hWnd, msg.message, msg.wParam, msg.lParam);
        }
        BOOL moved = tracker.Track(&m_wnd, press, FALSE, nullptr);
        PumpPendingMessages();
        return moved;
    }

    static Posted Move(int x, int y) { return {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)}; }
    static Posted Release(int x, int y) { return {WM_LBUTTONUP, 0, MAKELPARAM(x, y)}; }

    CWnd m_wnd;
};

TEST_F(TrackerDrag, MovesWithTheMouseAndReportsTheMove) {
    NavigatorTracker tracker(CRect(150, 40, 180, 60), CRectTracker::solidLine, &kBounds, 8);
    EXPECT_TRUE(Drag(tracker, {165, 50}, {Move(170, 52), Move(175, 55), Release(175, 55)}));
    EXPECT_EQ(tracker.m_rect, CRect(160, 45, 190, 65));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(TrackerDrag, StopsAtEveryEdgeOfTheThumbnailWithItsSizeKept) {
    struct Case {
        int dx;
        int dy;
        CRect expected;
    };
    const Case cases[] = {{-300, 0, CRect(100, 40, 130, 60)},
                          {0, -300, CRect(150, 10, 180, 30)},
                          {300, 0, CRect(210, 40, 240, 60)},
                          {0, 300, CRect(150, 95, 180, 115)},
                          {300, 300, CRect(210, 95, 240, 115)}};
    for (const Case& c : cases) {
        NavigatorTracker tracker(CRect(150, 40, 180, 60), CRectTracker::solidLine, &kBounds, 8);
        int x = 165 + c.dx;
        int y = 50 + c.dy;
        EXPECT_TRUE(Drag(tracker, {165, 50}, {Move(x, y), Release(x, y)}));
        EXPECT_EQ(tracker.m_rect, c.expected) << c.dx << ", " << c.dy;
    }
}

TEST_F(TrackerDrag, EscapeAndTheRightButtonPutTheRectangleBack) {
    for (UINT cancel : {static_cast<UINT>(WM_KEYDOWN), static_cast<UINT>(WM_RBUTTONDOWN)}) {
        NavigatorTracker tracker(CRect(150, 40, 180, 60), CRectTracker::solidLine, &kBounds, 8);
        Posted stop = {cancel, static_cast<WPARAM>(cancel == WM_KEYDOWN ? VK_ESCAPE : MK_RBUTTON),
                       MAKELPARAM(190, 70)};
        EXPECT_FALSE(Drag(tracker, {165, 50}, {Move(180, 60), Move(190, 70), stop}));
        EXPECT_EQ(tracker.m_rect, CRect(150, 40, 180, 60));
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST_F(TrackerDrag, OtherKeysDoNotCancel) {
    NavigatorTracker tracker(CRect(150, 40, 180, 60), CRectTracker::solidLine, &kBounds, 8);
    Posted key = {WM_KEYDOWN, 'A', 0};
    EXPECT_TRUE(Drag(tracker, {165, 50}, {Move(170, 50), key, Release(170, 50)}));
    EXPECT_EQ(tracker.m_rect, CRect(155, 40, 185, 60));
}

TEST_F(TrackerDrag, ReleasingWhereItStartedIsNoMove) {
    NavigatorTracker tracker(CRect(150, 40, 180, 60), CRectTracker::solidLine, &kBounds, 8);
    EXPECT_FALSE(Drag(tracker, {165, 50}, {Release(165, 50)}));
    EXPECT_EQ(tracker.m_rect, CRect(150, 40, 180, 60));
}

TEST_F(TrackerDrag, APressOnAHandleSquareOrOffTheRectangleDoesNothing) {
    for (CPoint press : {CPoint(150, 40), CPoint(179, 59), CPoint(165, 40), CPoint(50, 50)}) {
        NavigatorTracker tracker(CRect(150, 40, 180, 60), CRectTracker::solidLine, &kBounds, 8);
        EXPECT_FALSE(Drag(tracker, press, {Move(200, 90), Release(200, 90)}))
            << press.x << ", " << press.y;
        EXPECT_EQ(tracker.m_rect, CRect(150, 40, 180, 60));
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST(TrackerHits, TheTrueRectangleHasTheOnePixelBorderOfTheLine) {
    NavigatorTracker tracker(CRect(150, 40, 180, 60), CRectTracker::solidLine, &kBounds, 8);
    CRect trueRect;
    tracker.GetTrueRect(&trueRect);
    EXPECT_EQ(trueRect, CRect(149, 39, 181, 61));
    EXPECT_EQ(tracker.HitTest({149, 39}), CRectTracker::hitMiddle);
    EXPECT_EQ(tracker.HitTest({148, 39}), CRectTracker::hitNothing);
    EXPECT_EQ(tracker.HitTestHandles({149, 39}), CRectTracker::hitTopLeft);
    EXPECT_EQ(tracker.HitTestHandles({180, 60}), CRectTracker::hitBottomRight);
    EXPECT_EQ(tracker.HitTestHandles({165, 50}), CRectTracker::hitMiddle);
    EXPECT_EQ(tracker.HitTestHandles({181, 61}), CRectTracker::hitNothing);
}

TEST(TrackerHits, AtTheSmallestZoomTheHandleSquaresCoverTheWholeRectangle) {
    // A tenth of a 140 x 105 thumbnail.
    NavigatorTracker tracker(CRect(150, 40, 164, 50), CRectTracker::solidLine, &kBounds, 8);
    CRect trueRect;
    tracker.GetTrueRect(&trueRect);
    for (int y = trueRect.top; y < trueRect.bottom; ++y) {
        for (int x = trueRect.left; x < trueRect.right; ++x) {
            EXPECT_LT(tracker.HitTestHandles({x, y}), CRectTracker::hitMiddle) << x << ", " << y;
        }
    }
}

TEST(TrackerHits, WithoutBoundsTheRectangleMayGoAnywhereInA16BitPlane) {
    NavigatorTracker tracker(CRect(0, 0, 10, 10), CRectTracker::solidLine, nullptr, 8);
    EXPECT_EQ(tracker.m_rcBounds, CRect(0, 0, 32767, 32767));
    EXPECT_EQ(tracker.m_nHandleSize, 8);
}

} // namespace
