// The push-button family message by message: the list button's ring and its reports to the
// parent, the press-tracking root's release reports, the faces, and the run-time classes.
#include "bitmap_push_button.h"
#include "button_parent.h"
#include "blink_check_box.h"
#include "button_root.h"
#include "color_push_button.h"
#include "ctrl_3d.h"
#include "edge_colors.h"
#include "list_push_button.h"
#include "panel_3d.h"
#include "push_button.h"
#include "resource.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CRect kButtonRect(10, 20, 90, 50);
constexpr DWORD kPushStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;

void Send(const CWnd& w, UINT message, WPARAM wParam, int x, int y) {
    w.SendMessage(message, wParam, MAKELPARAM(x, y));
}

void LeftClick(const CWnd& w, int x, int y) {
    Send(w, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    Send(w, WM_LBUTTONUP, 0, x, y);
}

void RightClick(const CWnd& w) {
    Send(w, WM_RBUTTONDOWN, MK_RBUTTON, 5, 5);
    Send(w, WM_RBUTTONUP, 0, 5, 5);
}

void KeyUp(const CWnd& w, UINT key) {
    w.SendMessage(WM_KEYUP, key, 0xC0000001);
}

std::vector<std::wstring> ClickCaptions(const ButtonParent& parent) {
    std::vector<std::wstring> captions;
    for (const Click& click : parent.m_clicks) {
        captions.push_back(click.captionSeen);
    }
    return captions;
}

std::wstring Caption(const CWnd& w) {
    return std::wstring(w.GetWindowText());
}

// Counts how many of its kind are alive.
class CountedEntry : public AListEntry {
  public:
    explicit CountedEntry(const wchar_t* caption) : AListEntry(0, caption) { ++s_nAlive; }
    ~CountedEntry() override { --s_nAlive; }
    static int s_nAlive;
};
int CountedEntry::s_nAlive = 0;

class ControlsListButton : public testing::Test {
  protected:
    ButtonParent m_parent;
};

TEST_F(ControlsListButton, ThreeEntriesStepForwardAndBackBeforeTheParentHearsOfIt) {
    AListButton button;
    button.AddEntry(L"e1", 1);
    button.AddEntry(L"e2", 2);
    button.AddEntry(L"e3", 3);
    ASSERT_TRUE(button.Create(L"template", kPushStyle, kButtonRect, &m_parent, 7));
    EXPECT_EQ(Caption(button), L"e1");

    LeftClick(button, 5, 5);
    EXPECT_EQ(Caption(button), L"e2");
    LeftClick(button, 5, 5);
    EXPECT_EQ(Caption(button), L"e3");
    EXPECT_EQ(ClickCaptions(m_parent), (std::vector<std::wstring>{L"e2", L"e3"}));

    RightClick(button);
    EXPECT_EQ(Caption(button), L"e2");
    EXPECT_EQ(m_parent.m_clicks.size(), 2u) << "the right click's report is posted";
    ASSERT_TRUE(PumpMessagesUntil([&] { return m_parent.m_clicks.size() == 3; }));
    PumpPendingMessages();
    EXPECT_EQ(ClickCaptions(m_parent), (std::vector<std::wstring>{L"e2", L"e3", L"e2"}));

    // Space, return, left and up step forward; right and down back; other keys not at all.
    const struct {
        UINT key;
        const wchar_t* shown;
    } keys[] = {{VK_DOWN, L"e1"},   {VK_UP, L"e2"},    {VK_RETURN, L"e3"}, {VK_LEFT, L"e1"},
                {VK_SPACE, L"e2"},  {VK_RIGHT, L"e1"}, {VK_UP, L"e2"},     {VK_TAB, L"e2"},
                {VK_ESCAPE, L"e2"}, {VK_HOME, L"e2"},  {'A', L"e2"}};
    for (const auto& k : keys) {
        KeyUp(button, k.key);
        EXPECT_EQ(Caption(button), k.shown) << "key " << k.key;
    }
    EXPECT_EQ(button.GetCurrentEntry()->m_dwData, 2u);

    LeftClick(button, -30, 5);
    EXPECT_EQ(Caption(button), L"e3") << "steps wherever it is released";
    PumpPendingMessages();
    EXPECT_EQ(m_parent.m_clicks.size(), 3u) << "no click for a release outside";
}

TEST_F(ControlsListButton, EmptyAndOneEntryRingsShowTheSameOnEveryClickAndKey) {
    AListPushButton empty;
    ASSERT_TRUE(empty.Create(L"template", kPushStyle, kButtonRect, &m_parent, 8));
    AListButton one;
    one.AddEntry(L"only");
    ASSERT_TRUE(one.Create(L"", kPushStyle, CRect(100, 20, 180, 50), &m_parent, 9));
    for (AListButton* button : {static_cast<AListButton*>(&empty), &one}) {
        std::wstring shown = button == &empty ? L"" : L"only";
        EXPECT_EQ(Caption(*button), shown);
        LeftClick(*button, 5, 5);
        EXPECT_EQ(Caption(*button), shown);
        RightClick(*button);
        EXPECT_EQ(Caption(*button), shown);
        KeyUp(*button, VK_SPACE);
        EXPECT_EQ(Caption(*button), shown);
        KeyUp(*button, VK_RIGHT);
        EXPECT_EQ(Caption(*button), shown);
    }
    PumpMessagesUntil([&] { return m_parent.m_clicks.size() == 4; });
    PumpPendingMessages();
    // Left clicks are reported at once, right clicks when their posted reports arrive.
    EXPECT_EQ(ClickCaptions(m_parent), (std::vector<std::wstring>{L"", L"only", L"", L"only"}));
}

TEST_F(ControlsListButton, ATakenOverButtonOwnsEachEntryOnceAndFreesThemWithItself) {
    HWND hControl = ::CreateWindowExW(0, L"Button", L"template", kPushStyle, 10, 20, 80, 30,
                                      m_parent.m_hWnd, nullptr, nullptr, nullptr);
    auto* button = new AListPushButton;
    button->m_bAutoDelete = TRUE;
    auto* a = new CountedEntry(L"a");
    EXPECT_TRUE(button->AddEntry(a));
    EXPECT_TRUE(button->AddEntry(new CountedEntry(L"b")));
    EXPECT_FALSE(button->AddEntry(a)) << "an entry already listed is refused";
    ASSERT_TRUE(button->SubclassWindow(hControl));
    EXPECT_EQ(Caption(*button), L"a");
    for (const wchar_t* shown : {L"b", L"a", L"b"}) {
        button->StepForward();
        EXPECT_EQ(Caption(*button), shown);
    }
    EXPECT_EQ(::GetWindowLongW(hControl, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(CountedEntry::s_nAlive, 2);
    ::DestroyWindow(hControl);
    EXPECT_EQ(CountedEntry::s_nAlive, 0);
}

class ControlsButtonRoot : public testing::Test {
  protected:
    ButtonParent m_parent;
};

TEST_F(ControlsButtonRoot, ReportsReleasesOnlyWhenAskedAtTheCornerWhenOutside) {
    AButtonRoot button;
    ASSERT_TRUE(button.Create(L"R", kPushStyle, kButtonRect, &m_parent, 3));
    LeftClick(button, 5, 6);
    EXPECT_FALSE(button.m_bMousePressed);
    EXPECT_TRUE(m_parent.m_releases.empty());
    EXPECT_EQ(ClickCaptions(m_parent), (std::vector<std::wstring>{L"R"}));

    button.m_bNotifyParent = TRUE;
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON, 5, 6);
    EXPECT_TRUE(button.m_bMousePressed);
    Send(button, WM_LBUTTONUP, 0, 5, 6);
    EXPECT_FALSE(button.m_bMousePressed);
    LeftClick(button, 200, 90);
    LeftClick(button, -4, 3);
    Send(button, WM_LBUTTONUP, 0, 7, 7);
    EXPECT_EQ(m_parent.m_releases,
              (std::vector<CPoint>{CPoint(15, 26), CPoint(10, 20), CPoint(10, 20)}))
        << "a release without a press is not reported";

    Send(button, WM_LBUTTONDBLCLK, MK_LBUTTON, 8, 9);
    EXPECT_TRUE(button.m_bMousePressed) << "a double click is a press";
    Send(button, WM_LBUTTONUP, 0, 8, 9);
    EXPECT_FALSE(button.m_bMousePressed);
    EXPECT_EQ(m_parent.m_releases.back(), CPoint(18, 29));
}

// The face a push button shows: raised with the colour's lit top-left edge, sunk while held.
using ControlsPushButtonFaces = ControlsButtonRoot;

TEST_F(ControlsPushButtonFaces, RiseAndSinkLikeTheCheckButtons) {
    constexpr COLORREF kFace = RGB(40, 120, 200);
    AColorPushButton button(kFace, RGB(255, 255, 255));
    ASSERT_TRUE(button.Create(L"", kPushStyle, kButtonRect, &m_parent, 4));
    EXPECT_EQ(::GetWindowLongW(button.m_hWnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    const COLORREF light = HighlightColor(kFace);
    const COLORREF dark = ShadowColor(kFace);
    for (BOOL bHeld : {FALSE, TRUE}) {
        SCOPED_TRACE(bHeld ? "held" : "up");
        button.SetState(bHeld);
        button.UpdateWindow();
        ClientCapture shot(button.m_hWnd);
        EXPECT_EQ(shot.At(0, 0), bHeld ? dark : light);
        EXPECT_EQ(shot.At(1, 10), bHeld ? dark : light);
        EXPECT_EQ(shot.At(79, 29), bHeld ? light : dark);
        EXPECT_EQ(shot.At(40, 15), kFace);
    }
}

TEST(ControlsRuntimeClasses, EachClassIsRegisteredUnderItsBase) {
    struct Case {
        const CRuntimeClass* pClass;
        const char* name;
        const CRuntimeClass* pBase;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(AButtonRoot), "AButtonRoot", RUNTIME_CLASS(CButton)},
        {RUNTIME_CLASS(APushButton), "APushButton", RUNTIME_CLASS(CButton)},
        {RUNTIME_CLASS(ABitmapPushButton), "ABitmapPushButton", RUNTIME_CLASS(APushButton)},
        {RUNTIME_CLASS(AColorPushButton), "AColorPushButton", RUNTIME_CLASS(APushButton)},
        {RUNTIME_CLASS(AListButton), "AListButton", RUNTIME_CLASS(CButton)},
        {RUNTIME_CLASS(AListPushButton), "AListPushButton", RUNTIME_CLASS(AListButton)},
        {RUNTIME_CLASS(A3dCtrl), "A3dCtrl", RUNTIME_CLASS(CStatic)},
        {RUNTIME_CLASS(A3dStatic), "A3dStatic", RUNTIME_CLASS(CStatic)},
        {RUNTIME_CLASS(A3dPanel), "A3dPanel", RUNTIME_CLASS(A3dStatic)},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.pClass->m_lpszClassName, c.name);
        EXPECT_EQ(c.pClass->m_pBaseClass, c.pBase) << c.name;
    }
    ABitmapPushButton bitmap(IDB_SAVE_UP);
    EXPECT_TRUE(bitmap.IsKindOf(RUNTIME_CLASS(APushButton)));
    EXPECT_FALSE(bitmap.IsKindOf(RUNTIME_CLASS(AButtonRoot)));
    ABlinkCheckBox blink(nullptr, 0);
    EXPECT_EQ(blink.GetRuntimeClass(), RUNTIME_CLASS(ABitmapCheckBox));
}

} // namespace
