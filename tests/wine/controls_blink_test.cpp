// Blinking check boxes on the shared timer, with a real message loop: the timer runs only while a
// box is listed, the list keeps join order without duplicates, and boxes leave when unchecked,
// made indeterminate or destroyed.
#include "blink_check_box.h"
#include "blink_list.h"
#include "resource.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Remembers whether it was still listed when its window was on its way out.
class WatchedBlinkBox : public ABlinkCheckBox {
  public:
    WatchedBlinkBox(CWnd* pControl, bool* pListedAtEnd)
        : ABlinkCheckBox(pControl, IDB_ZOOM_IN_UP), m_pListedAtEnd(pListedAtEnd) {}

  protected:
    void PostNcDestroy() override {
        *m_pListedAtEnd = g_blinkList.Find(this) != nullptr;
        ABlinkCheckBox::PostNcDestroy();
    }

  private:
    bool* m_pListedAtEnd;
};

std::vector<CObject*> Listed() {
    std::vector<CObject*> out;
    for (POSITION pos = g_blinkList.GetHeadPosition(); pos != nullptr;) {
        out.push_back(g_blinkList.GetNext(pos));
    }
    return out;
}

// A stopped thread timer is gone: killing it again fails.
bool TimerIsGone(UINT nTimer) {
    return !::KillTimer(nullptr, nTimer);
}

class ControlsBlink : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(g_blinkList.IsEmpty());
        ASSERT_EQ(g_nBlinkTimer, 0u);
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        EXPECT_TRUE(g_blinkList.IsEmpty());
        EXPECT_EQ(g_nBlinkTimer, 0u);
    }

    CWnd* NewButton(int x) {
        return CWnd::FromHandle(::CreateWindowExW(
            0, L"Button", L"", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, x, 10, 60, 56,
            m_parent.m_hWnd, nullptr, nullptr, nullptr));
    }

    TestPopup m_parent{CRect(10, 10, 310, 110)};
};

TEST_F(ControlsBlink, ColourPairsAreSetUpFromTheSystemColours) {
    EXPECT_EQ(g_clrFacePair, ColorPair(::GetSysColor(COLOR_BTNFACE), RGB(224, 0, 0)));
    EXPECT_EQ(g_clrTextPair, ColorPair(::GetSysColor(COLOR_BTNTEXT), RGB(255, 255, 255)));
}

TEST_F(ControlsBlink, ThePhaseFlipsOnTheTimerOnlyWhileTheBoxIsChecked) {
    auto* box = new ABlinkCheckBox(NewButton(10), IDB_ZOOM_IN_UP);
    box->SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(Listed(), (std::vector<CObject*>{box}));
    UINT nTimer = g_nBlinkTimer;
    ASSERT_NE(nTimer, 0u);

    std::vector<DWORD> flips;
    BOOL bLast = box->m_bBlinkPhase;
    ASSERT_TRUE(PumpMessagesUntil([&] {
        if (box->m_bBlinkPhase != bLast) {
            bLast = box->m_bBlinkPhase;
            flips.push_back(::GetTickCount());
        }
        return flips.size() == 4;
    }));
    for (size_t i = 1; i < flips.size(); ++i) {
        DWORD interval = flips[i] - flips[i - 1];
        EXPECT_GE(interval, 400u) << "flip " << i;
        EXPECT_LE(interval, 700u) << "flip " << i;
    }

    box->SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_TRUE(g_blinkList.IsEmpty());
    EXPECT_EQ(g_nBlinkTimer, 0u);
    EXPECT_FALSE(box->m_bBlinkPhase);
    EXPECT_TRUE(TimerIsGone(nTimer));
    box->DestroyWindow();
}

// Only the blinking check box shows the phase: a plain bitmap check box handed to the list keeps
// the face of its check state.
TEST_F(ControlsBlink, ACheckedBoxShowsItsUncheckedImageInTheBlinkPhase) {
    auto* blinking = new ABlinkCheckBox(NewButton(10), IDB_ZOOM_IN_UP);
    auto* unchecked = new ABlinkCheckBox(NewButton(80), IDB_ZOOM_IN_UP);
    auto* checked = new ABitmapCheckBox(NewButton(150), IDB_ZOOM_IN_UP);
    auto* plainListed = new ABitmapCheckBox(NewButton(220), IDB_ZOOM_IN_UP);
    checked->SendMessage(BM_SETCHECK, BST_CHECKED);
    plainListed->SendMessage(BM_SETCHECK, BST_CHECKED);
    blinking->SendMessage(BM_SETCHECK, BST_CHECKED);
    SetBlinking(plainListed, TRUE);
    auto shot = [](CWnd* w) {
        w->UpdateWindow();
        return ClientCapture(w->m_hWnd);
    };
    auto same = [](const ClientCapture& a, const ClientCapture& b) {
        for (int y = 0; y < a.Height(); ++y) {
            for (int x = 0; x < a.Width(); ++x) {
                if (a.At(x, y) != b.At(x, y)) {
                    return false;
                }
            }
        }
        return true;
    };
    ClientCapture uncheckedLook = shot(unchecked);
    ClientCapture checkedLook = shot(checked);
    ASSERT_FALSE(same(uncheckedLook, checkedLook));
    for (bool phase : {true, false, true}) {
        BlinkTimerProc(nullptr, WM_TIMER, g_nBlinkTimer, 0);
        ASSERT_EQ(blinking->m_bBlinkPhase != FALSE, phase);
        ClientCapture look = shot(blinking);
        EXPECT_TRUE(same(look, phase ? uncheckedLook : checkedLook)) << "phase " << phase;
        ASSERT_EQ(plainListed->m_bBlinkPhase != FALSE, phase);
        EXPECT_TRUE(same(shot(plainListed), checkedLook)) << "plain box, phase " << phase;
    }
    blinking->DestroyWindow();
    plainListed->DestroyWindow();
    unchecked->DestroyWindow();
    checked->DestroyWindow();
}

TEST_F(ControlsBlink, ATimerTheSystemRefusedIsAskedForAgainWhenTheNextBoxJoins) {
    auto* first = new ABlinkCheckBox(NewButton(10), IDB_ZOOM_IN_UP);
    first->SendMessage(BM_SETCHECK, BST_CHECKED);
    ASSERT_NE(g_nBlinkTimer, 0u);
    // What a refused start leaves: a listed box and no timer.
    ::KillTimer(nullptr, g_nBlinkTimer);
    g_nBlinkTimer = 0;

    auto* second = new ABlinkCheckBox(NewButton(80), IDB_ZOOM_OUT_UP);
    second->SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_NE(g_nBlinkTimer, 0u);
    BOOL bFirstPhase = first->m_bBlinkPhase;
    EXPECT_TRUE(PumpMessagesUntil([&] { return first->m_bBlinkPhase != bFirstPhase; }))
        << "the first box blinks again";
    first->DestroyWindow();
    second->DestroyWindow();
}

TEST_F(ControlsBlink, TheListKeepsJoinOrderOnceEachAndLetsGoOfBoxesThatStop) {
    bool bListedAtEnd = true;
    auto* first = new WatchedBlinkBox(NewButton(10), &bListedAtEnd);
    auto* second = new ABlinkCheckBox(NewButton(80), IDB_ZOOM_OUT_UP);
    second->SendMessage(BM_SETCHECK, BST_CHECKED);
    first->SendMessage(BM_SETCHECK, BST_CHECKED);
    second->SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(Listed(), (std::vector<CObject*>{second, first}));
    UINT nTimer = g_nBlinkTimer;
    ASSERT_NE(nTimer, 0u);

    BlinkTimerProc(nullptr, WM_TIMER, nTimer, 0);
    ASSERT_TRUE(second->m_bBlinkPhase);
    second->SendMessage(BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(Listed(), (std::vector<CObject*>{first}));
    EXPECT_FALSE(second->m_bBlinkPhase);
    EXPECT_EQ(g_nBlinkTimer, nTimer) << "the timer runs on for the other box";
    second->SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_EQ(Listed(), (std::vector<CObject*>{first}));

    BlinkTimerProc(nullptr, WM_TIMER, nTimer, 0);
    first->DestroyWindow();
    EXPECT_FALSE(bListedAtEnd) << "it left before its window went";
    EXPECT_TRUE(g_blinkList.IsEmpty());
    EXPECT_EQ(g_nBlinkTimer, 0u);
    EXPECT_TRUE(TimerIsGone(nTimer));
    second->DestroyWindow();
}

} // namespace
