// The control library gives back every GDI object it makes: contexts, bitmaps, masks, brushes and
// pens, counted over a thousand calls after a warm-up (the system makes some objects lazily on
// first use).
#include "bitmap_check_box.h"
#include "bitmap_check_box2.h"
#include "bitmap_painting.h"
#include "bitmap_push_button.h"
#include "blink_check_box.h"
#include "blink_list.h"
#include "button_root.h"
#include "color_push_button.h"
#include "ctrl_3d.h"
#include "frame_painting.h"
#include "list_push_button.h"
#include "offscreen_dc.h"
#include "panel_3d.h"
#include "resource.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Runs the work once to warm up, then a thousand times, and returns the growth in live objects.
int GrowthOverAThousandRuns(const char* what, const std::function<void()>& work) {
    work();
    int before = CountLiveGdiObjects();
    for (int i = 0; i < 1000; ++i) {
        work();
    }
    AfxDeleteTempMaps();
    int after = CountLiveGdiObjects();
    std::printf("%s: %d live GDI objects before, %d after 1000 runs\n", what, before, after);
    return after - before;
}

TEST(ControlsGdiLeakCounter, SeesADeliberateLeakAndItsRelease) {
    int before = CountLiveGdiObjects();
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateBitmap(4, 4, 1, 1, nullptr);
    EXPECT_EQ(CountLiveGdiObjects(), before + 3);
    ::DeleteObject(brush);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    EXPECT_EQ(CountLiveGdiObjects(), before);
    std::vector<HPEN> pens;
    EXPECT_EQ(GrowthOverAThousandRuns("leaking a pen",
                                      [&pens] { pens.push_back(::CreatePen(PS_SOLID, 1, 0)); }),
              1000);
    for (HPEN pen : pens) {
        ::DeleteObject(pen);
    }
    EXPECT_EQ(CountLiveGdiObjects(), before);
}

// A 64 x 64 bitmap compatible with the screen, in a memory context.
class ControlsGdiLeaks : public testing::Test {
  protected:
    void SetUp() override {
        CDC screen;
        screen.Attach(::GetDC(nullptr));
        m_target.CreateCompatibleBitmap(&screen, 64, 64);
        m_source.CreateCompatibleBitmap(&screen, 30, 20);
        ::ReleaseDC(nullptr, screen.Detach());
        m_dc.CreateCompatibleDC(nullptr);
        m_pOld = m_dc.SelectObject(&m_target);
    }
    void TearDown() override { m_dc.SelectObject(m_pOld); }

    CBitmap m_target;
    CBitmap m_source;
    CDC m_dc;
    CGdiObject* m_pOld = nullptr;
};

TEST_F(ControlsGdiLeaks, DrawingHelpersReleaseWhatTheyMake) {
    const CRect r(2, 2, 60, 60);
    const CRect insets(1, 2, 3, 4);
    CDC* dc = &m_dc;
    CBitmap* source = &m_source;
    EXPECT_EQ(GrowthOverAThousandRuns("frames and panels",
                                      [&] {
                                          DrawRoundFrame(dc, r, 2, RGB(9, 9, 9));
                                          DrawBevel(dc, r, TRUE, 3, RGB(192, 128, 64));
                                          FillMargin(dc, r, 2, RGB(1, 1, 1), &insets);
                                          DrawPanel(dc, r, RGB(192, 192, 192), 2, 1, 2, 3, &insets);
                                      }),
              0);
    EXPECT_EQ(
        GrowthOverAThousandRuns("bitmaps and images",
                                [&] {
                                    for (int mode : {0, 1, 2, 3}) {
                                        DrawBitmap(dc, r, source, 5, mode, kTransparentKey);
                                    }
                                    DrawBitmap(dc, r, source, 5, 2, RGB(0, 0, 0));
                                    DrawResourceBitmap(dc, r, IDB_SAVE_UP, 0, 1, kTransparentKey);
                                    DrawImage(dc, CRect(0, 0, 20, 20), IDB_ZOOM_IN_DOWN, FALSE, 10);
                                    DrawImage(dc, r, IDR_MAINFRAME, TRUE, 5);
                                    DrawImage(dc, r, 9999, TRUE, 5);
                                }),
        0);
}

TEST_F(ControlsGdiLeaks, ContextsGiveBackWhatTheyDisplaced) {
    CBitmap* source = &m_source;
    EXPECT_EQ(GrowthOverAThousandRuns("memory contexts",
                                      [source] {
                                          ASharedBitmapDC shared;
                                          shared.CreateCompatibleOrThrow(nullptr);
                                          shared.SelectWorkingBitmap(source);
                                          AOwnedBitmapDC mask;
                                          mask.CreateCompatibleOrThrow(&shared);
                                          mask.CreateMonochromeBitmap(30, 20);
                                          AOwnedBitmapDC unselected;
                                          unselected.CreateCompatibleOrThrow(nullptr);
                                          unselected.m_bmpOwn.Attach(
                                              ::CreateBitmap(8, 8, 1, 1, nullptr));
                                          AOffscreenDC idle;
                                      }),
              0);
}

TEST_F(ControlsGdiLeaks, CheckBoxesReleaseTheirFacesAndImages) {
    CWnd parent;
    parent.SubclassWindow(::CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                            100, nullptr, nullptr, nullptr, nullptr));
    auto makeButton = [&parent] {
        return CWnd::FromHandle(::CreateWindowExW(0, L"Button", L"KT",
                                                  WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 60,
                                                  56, parent.m_hWnd, nullptr, nullptr, nullptr));
    };
    auto* box = new ABitmapCheckBox(makeButton(), IDB_ZOOM_IN_UP);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = box->m_hWnd;
    dis.hDC = m_dc.m_hDC;
    dis.rcItem = CRect(0, 0, 60, 56);
    EXPECT_EQ(GrowthOverAThousandRuns("bitmap check box faces",
                                      [&] {
                                          box->SendMessage(BM_SETCHECK, box->GetCheck() ? 0 : 1);
                                          parent.SendMessage(WM_DRAWITEM, 0,
                                                             reinterpret_cast<LPARAM>(&dis));
                                      }),
              0);
    box->DestroyWindow();

    ABitmapCheckBox2 series(makeButton(), FALSE, IDB_ZOOM_IN_UP, 4);
    int size = 40;
    EXPECT_EQ(GrowthOverAThousandRuns("pre-rendered images",
                                      [&] {
                                          size = size == 40 ? 50 : 40;
                                          ::SetWindowPos(series.m_hWnd, nullptr, 0, 0, size, 30,
                                                         SWP_NOMOVE | SWP_NOZORDER);
                                      }),
              0);
    series.DestroyWindow();

    EXPECT_EQ(GrowthOverAThousandRuns(
                  "check boxes made and destroyed",
                  [&] {
                      ABitmapCheckBox2 images(makeButton(), FALSE, IDB_ZOOM_OUT_UP, 2);
                      ::SetWindowPos(images.m_hWnd, nullptr, 0, 0, 44, 44,
                                     SWP_NOMOVE | SWP_NOZORDER);
                      (new ABitmapCheckBox(makeButton(), IDB_SAVE_UP))->DestroyWindow();
                  }),
              0);
    parent.DestroyWindow();
}

// Each class made, painted, used and destroyed a thousand times, each way a user makes it: with
// Create, or by taking a system control over, on the stack or deleting itself.
TEST(ControlsLifetimeLeaks, EveryClassLeavesNoGdiObjectOrWindowBehind) {
    TestPopup parent(CRect(0, 0, 200, 100));
    const CRect rect(5, 5, 85, 45);
    const DWORD push = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
    const DWORD text = WS_CHILD | WS_VISIBLE | SS_LEFT;
    auto systemButton = [&parent](DWORD style) {
        return ::CreateWindowExW(0, L"Button", L"KT", WS_CHILD | WS_VISIBLE | style, 5, 5, 80, 40,
                                 parent.m_hWnd, nullptr, nullptr, nullptr);
    };
    auto paintAndDestroy = [](CWnd* pWnd) {
        pWnd->UpdateWindow();
        pWnd->DestroyWindow();
    };
    struct Case {
        const char* name;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"AButtonRoot",
         [&] {
             AButtonRoot button;
             button.Create(L"KT", push, rect, &parent, 1);
             paintAndDestroy(&button);
         }},
        {"APushButton deleting itself",
         [&] {
             auto* button = new APushButton;
             button->m_bAutoDelete = TRUE;
             button->Create(L"KT", push, rect, &parent, 1);
             paintAndDestroy(button);
         }},
        {"ABitmapPushButton taking a control over",
         [&] {
             ABitmapPushButton button(IDB_SAVE_UP);
             button.SubclassWindow(systemButton(BS_PUSHBUTTON));
             button.SetState(TRUE);
             paintAndDestroy(&button);
         }},
        {"AColorPushButton",
         [&] {
             AColorPushButton button(RGB(200, 0, 0), RGB(255, 255, 255));
             button.Create(L"KT", push, rect, &parent, 1);
             button.UpdateWindow();
         }},
        {"AListButton with entries",
         [&] {
             AListButton button;
             button.AddEntry(L"one");
             button.AddEntry(L"two");
             button.Create(L"", push, rect, &parent, 1);
             button.StepForward();
             paintAndDestroy(&button);
         }},
        {"AListPushButton deleting itself",
         [&] {
             auto* button = new AListPushButton;
             button->m_bAutoDelete = TRUE;
             button->AddEntry(L"one");
             button->SubclassWindow(systemButton(BS_PUSHBUTTON));
             paintAndDestroy(button);
         }},
        {"A3dCtrl",
         [&] {
             A3dCtrl ctrl;
             ctrl.Create(L"", WS_CHILD | WS_VISIBLE | SS_BLACKFRAME, rect, &parent);
             paintAndDestroy(&ctrl);
         }},
        {"A3dStatic",
         [&] {
             A3dStatic label;
             label.Create(L"KT", text, rect, &parent);
             label.UpdateWindow();
             label.SetWindowText(L"410");
             paintAndDestroy(&label);
         }},
        {"A3dPanel deleting itself",
         [&] {
             auto* panel = new A3dPanel;
             panel->m_bAutoDelete = TRUE;
             panel->Create(L"KT", text, rect, &parent);
             panel->UpdateWindow();
             panel->SetWindowText(L"410");
             paintAndDestroy(panel);
         }},
        {"ABlinkCheckBox blinking",
         [&] {
             auto* box = new ABlinkCheckBox(CWnd::FromHandle(systemButton(BS_AUTOCHECKBOX)),
                                            IDB_ZOOM_IN_UP);
             box->SendMessage(BM_SETCHECK, BST_CHECKED);
             BlinkTimerProc(nullptr, WM_TIMER, g_nBlinkTimer, 0);
             paintAndDestroy(box);
         }},
    };
    for (const Case& c : cases) {
        int windows = CountThreadWindows();
        EXPECT_EQ(GrowthOverAThousandRuns(c.name, c.run), 0) << c.name;
        EXPECT_EQ(CountThreadWindows(), windows) << c.name;
    }
    EXPECT_TRUE(g_blinkList.IsEmpty());
    EXPECT_EQ(g_nBlinkTimer, 0u);
}

} // namespace
