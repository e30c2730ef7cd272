// The check-button behaviour, message by message: kinds, check state, keyboard and mouse, the
// radio group walk, parent notifications and the object's life.
#include "button_parent.h"
#include "check_button.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Counts its check changes and, when asked, its own destruction.
class CountingButton : public ACheckButton {
  public:
    CountingButton(HWND hWnd, BOOL bAutoDelete, int* pDestroyed = nullptr)
        : ACheckButton(CWnd::FromHandle(hWnd), bAutoDelete), m_pDestroyed(pDestroyed) {}
    ~CountingButton() override {
        if (m_pDestroyed != nullptr) {
            ++*m_pDestroyed;
        }
    }

    int m_nChanges = 0;

  protected:
    void OnCheckChanged() override { ++m_nChanges; }

  private:
    int* m_pDestroyed;
};

LRESULT Send(HWND h, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(h, message, wParam, lParam);
}

int CheckOf(HWND h) {
    return static_cast<int>(Send(h, BM_GETCHECK));
}

void Press(HWND h, int x, int y) {
    Send(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void Release(HWND h, int x, int y) {
    Send(h, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ClickAt(HWND h, int x, int y) {
    Press(h, x, y);
    Release(h, x, y);
}

void SpaceBar(HWND h) {
    Send(h, WM_KEYDOWN, VK_SPACE, 1);
    Send(h, WM_KEYUP, VK_SPACE, 0xC0000001);
}

// Whether the window has a pending repaint; validates it for the next look.
bool TakeRepaint(HWND h) {
    RECT r;
    bool pending = ::GetUpdateRect(h, &r, FALSE) != 0;
    ::ValidateRect(h, nullptr);
    return pending;
}

DWORD ButtonType(HWND h) {
    return static_cast<DWORD>(::GetWindowLongW(h, GWL_STYLE)) & BS_TYPEMASK;
}

class ControlsCheckButton : public testing::Test {
  protected:
    ButtonParent m_parent;
};

TEST_F(ControlsCheckButton, TakesTheControlOverWithItsCheckStateAndKind) {
    HWND h = m_parent.AddButton(1, BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP);
    Send(h, BM_SETCHECK, BST_CHECKED);
    CountingButton button(h, FALSE);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), &button);
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_STREQ(button.GetRuntimeClass()->m_lpszClassName, "ACheckButton");
    EXPECT_EQ(button.m_nCheckState, 1u);
    EXPECT_EQ(button.m_nKind, kCheckBoxKind);
    EXPECT_EQ(button.m_nCheckedState, 1u);
    EXPECT_FALSE(button.m_bAutoDelete);
    EXPECT_FALSE(button.m_bMousePressed);
    EXPECT_FALSE(button.m_bNotifyParent);
    EXPECT_EQ(ButtonType(h), static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_TRUE(::GetWindowLongW(h, GWL_STYLE) & BS_PUSHLIKE) << "only the type is replaced";
}

TEST_F(ControlsCheckButton, KindFollowsTheTemplateStyle) {
    struct Case {
        DWORD style;
        int kind;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, kPushKind},   {BS_DEFPUSHBUTTON | BS_LEFTTEXT, kPushKind},
        {BS_CHECKBOX, kCheckBoxKind}, {BS_AUTO3STATE | BS_LEFTTEXT, kCheckBoxKind},
        {BS_RADIOBUTTON, kRadioKind}, {BS_AUTORADIOBUTTON | BS_LEFTTEXT, kRadioKind},
        {BS_GROUPBOX, kPushKind},     {BS_AUTOCHECKBOX | BS_BITMAP, kPushKind},
    };
    int id = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE("style " + std::to_string(c.style));
        CountingButton button(m_parent.AddButton(id++, c.style), FALSE);
        EXPECT_EQ(button.m_nKind, c.kind);
        EXPECT_EQ(ButtonType(button.m_hWnd), static_cast<DWORD>(BS_OWNERDRAW));
    }
}

TEST_F(ControlsCheckButton, AControlThatCannotBeTakenOverLeavesTheObjectUnattached) {
    ACheckButton none(nullptr, TRUE);
    EXPECT_EQ(none.m_hWnd, nullptr);
    EXPECT_FALSE(none.SubclassControl(nullptr, FALSE));
    HWND h = m_parent.AddButton(1, BS_AUTORADIOBUTTON);
    CountingButton first(h, FALSE);
    CountingButton second(h, FALSE);
    EXPECT_EQ(second.m_hWnd, nullptr);
    EXPECT_EQ(second.m_nKind, kPushKind) << "the kind is read only from a control taken over";
    EXPECT_EQ(CWnd::FromHandlePermanent(h), &first);
}

TEST_F(ControlsCheckButton, SetStyleChangesTheKindAndKeepsTheControlOwnerDrawn) {
    HWND h = m_parent.AddButton(1, BS_PUSHBUTTON);
    CountingButton button(h, FALSE);
    const std::pair<WPARAM, int> changes[] = {
        {BS_RADIOBUTTON, kRadioKind},
        {BS_DEFPUSHBUTTON, kPushKind},
        {BS_AUTOCHECKBOX, kCheckBoxKind},
        {BS_GROUPBOX, kCheckBoxKind},
        {BS_AUTORADIOBUTTON, kRadioKind},
        {BS_USERBUTTON, kRadioKind},
        {BS_PUSHLIKE | BS_PUSHBUTTON, kRadioKind},
    };
    for (const auto& [style, kind] : changes) {
        SCOPED_TRACE("style " + std::to_string(style));
        EXPECT_EQ(Send(h, BM_SETSTYLE, style, TRUE), 0);
        EXPECT_EQ(button.m_nKind, kind);
        EXPECT_EQ(ButtonType(h), static_cast<DWORD>(BS_OWNERDRAW));
    }
    EXPECT_FALSE(::GetWindowLongW(h, GWL_STYLE) & BS_PUSHLIKE);
}

TEST_F(ControlsCheckButton, CheckStateIsKeptByTheObject) {
    HWND h = m_parent.AddButton(1, BS_AUTOCHECKBOX);
    CountingButton button(h, FALSE);
    EXPECT_EQ(Send(h, BM_SETCHECK, BST_INDETERMINATE), 0);
    EXPECT_EQ(CheckOf(h), BST_INDETERMINATE);
    EXPECT_EQ(button.m_nCheckState, 2u);
    EXPECT_EQ(Send(h, BM_SETCHECK, BST_CHECKED), 0);
    EXPECT_EQ(CheckOf(h), BST_CHECKED);
    EXPECT_EQ(button.m_nChanges, 2);
    EXPECT_TRUE(m_parent.m_clicks.empty()) << "setting the state is no click";
}

TEST_F(ControlsCheckButton, SettingTheCurrentStateRepaintsNothing) {
    HWND h = m_parent.AddButton(1, BS_AUTOCHECKBOX);
    CountingButton button(h, FALSE);
    ::UpdateWindow(m_parent.m_hWnd);
    TakeRepaint(h);
    Send(h, BM_SETCHECK, BST_UNCHECKED);
    EXPECT_FALSE(TakeRepaint(h));
    EXPECT_EQ(button.m_nChanges, 0);
    Send(h, BM_SETCHECK, BST_CHECKED);
    EXPECT_TRUE(TakeRepaint(h));
    EXPECT_EQ(button.m_nChanges, 1);
    Send(h, BM_SETCHECK, BST_CHECKED);
    EXPECT_FALSE(TakeRepaint(h));
    EXPECT_EQ(button.m_nChanges, 1);
}

TEST_F(ControlsCheckButton, CheckBoxTogglesOnReleaseInsideBeforeTheParentHearsOfIt) {
    HWND h = m_parent.AddButton(7, BS_AUTOCHECKBOX | BS_PUSHLIKE);
    CountingButton button(h, FALSE);
    Press(h, 5, 5);
    EXPECT_TRUE(button.m_bMousePressed);
    EXPECT_EQ(CheckOf(h), 0) << "a check box does not go down while held";
    Release(h, 39, 29);
    EXPECT_FALSE(button.m_bMousePressed);
    EXPECT_EQ(CheckOf(h), 1);
    ClickAt(h, 20, 0);
    EXPECT_EQ(CheckOf(h), 0);
    ASSERT_EQ(m_parent.m_clicks.size(), 2u);
    EXPECT_EQ(m_parent.m_clicks[0].id, 7);
    EXPECT_EQ(m_parent.m_clicks[0].checkSeen, 1);
    EXPECT_EQ(m_parent.m_clicks[1].checkSeen, 0);
}

TEST_F(ControlsCheckButton, CheckBoxReleasedOutsideKeepsItsState) {
    HWND h = m_parent.AddButton(7, BS_AUTOCHECKBOX | BS_PUSHLIKE);
    CountingButton button(h, FALSE);
    for (CPoint outside : {CPoint(-3, 5), CPoint(40, 5), CPoint(10, 30), CPoint(10, -1)}) {
        Press(h, 5, 5);
        Release(h, outside.x, outside.y);
        EXPECT_EQ(CheckOf(h), 0) << outside.x << ", " << outside.y;
        EXPECT_FALSE(button.m_bMousePressed);
    }
    EXPECT_TRUE(m_parent.m_clicks.empty());
    EXPECT_EQ(button.m_nChanges, 0);
    Release(h, 5, 5);
    EXPECT_EQ(CheckOf(h), 0) << "a release without a press on the control changes nothing";
}

TEST_F(ControlsCheckButton, DoubleClickCountsAsASecondPress) {
    HWND h = m_parent.AddButton(7, BS_AUTOCHECKBOX);
    CountingButton button(h, FALSE);
    ClickAt(h, 5, 5);
    Send(h, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.m_bMousePressed);
    Release(h, 5, 5);
    EXPECT_EQ(CheckOf(h), 0);
    ASSERT_EQ(m_parent.m_clicks.size(), 2u);
    EXPECT_EQ(m_parent.m_clicks[1].checkSeen, 0);
}

TEST_F(ControlsCheckButton, SpaceBarTogglesACheckBoxAndClearsAnIndeterminateOne) {
    HWND h = m_parent.AddButton(3, BS_AUTO3STATE);
    CountingButton button(h, FALSE);
    Send(h, BM_SETCHECK, BST_INDETERMINATE);
    SpaceBar(h);
    EXPECT_EQ(CheckOf(h), 0);
    SpaceBar(h);
    EXPECT_EQ(CheckOf(h), 1);
    Send(h, WM_KEYDOWN, 'A', 1);
    Send(h, WM_KEYUP, 'A', 0xC0000001);
    EXPECT_EQ(CheckOf(h), 1) << "other keys do nothing";
    ASSERT_EQ(m_parent.m_clicks.size(), 2u);
    EXPECT_EQ(m_parent.m_clicks[0].checkSeen, 0);
    EXPECT_EQ(m_parent.m_clicks[1].checkSeen, 1);
}

TEST_F(ControlsCheckButton, PushButtonShowsCheckedOnlyWhileHeld) {
    HWND h = m_parent.AddButton(4, BS_PUSHBUTTON);
    CountingButton button(h, FALSE);
    Press(h, 5, 5);
    EXPECT_EQ(CheckOf(h), 1);
    Release(h, 100, 100);
    EXPECT_EQ(CheckOf(h), 0) << "released wherever the mouse is";
    Press(h, 5, 5);
    Release(h, 5, 5);
    EXPECT_EQ(CheckOf(h), 0);
    Send(h, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(CheckOf(h), 1);
    Send(h, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(CheckOf(h), 0);
    EXPECT_EQ(button.m_nChanges, 6);
    ASSERT_EQ(m_parent.m_clicks.size(), 2u) << "the release inside and the space bar";
    EXPECT_EQ(m_parent.m_clicks[0].checkSeen, 0);
}

TEST_F(ControlsCheckButton, RadioButtonChecksItselfOnClickOrSpace) {
    HWND h = m_parent.AddButton(5, BS_AUTORADIOBUTTON | WS_GROUP);
    CountingButton button(h, FALSE);
    Press(h, 5, 5);
    Release(h, -1, 5);
    EXPECT_EQ(CheckOf(h), 0);
    ClickAt(h, 5, 5);
    EXPECT_EQ(CheckOf(h), 1);
    ClickAt(h, 5, 5);
    EXPECT_EQ(CheckOf(h), 1) << "a radio button does not uncheck itself";
    Send(h, BM_SETCHECK, 0);
    SpaceBar(h);
    EXPECT_EQ(CheckOf(h), 1);
}

// Radio buttons r0 to r6 in window order, with a plain system radio button after r2 and a check
// box of the family after r5; r0 and r4 start groups.
class ControlsRadioGroup : public ControlsCheckButton {
  protected:
    void SetUp() override {
        const DWORD radio = BS_AUTORADIOBUTTON;
        Wrap(m_parent.AddButton(100, radio | WS_GROUP));
        Wrap(m_parent.AddButton(101, radio));
        Wrap(m_parent.AddButton(102, radio));
        m_hPlain = m_parent.AddButton(199, radio);
        Wrap(m_parent.AddButton(103, radio));
        Wrap(m_parent.AddButton(104, radio | WS_GROUP));
        Wrap(m_parent.AddButton(105, radio));
        m_pCheckBox =
            std::make_unique<CountingButton>(m_parent.AddButton(198, BS_AUTOCHECKBOX), FALSE);
        Wrap(m_parent.AddButton(106, radio));
        ::UpdateWindow(m_parent.m_hWnd);
        for (auto& r : m_radios) {
            TakeRepaint(r->m_hWnd);
        }
    }

    void Wrap(HWND h) { m_radios.push_back(std::make_unique<CountingButton>(h, FALSE)); }
    HWND R(int i) const { return m_radios[i]->m_hWnd; }
    // The check states of r0 to r6 as a string of digits.
    std::string States() const {
        std::string s;
        for (const auto& r : m_radios) {
            s += static_cast<char>('0' + r->m_nCheckState);
        }
        return s;
    }

    std::vector<std::unique_ptr<CountingButton>> m_radios;
    std::unique_ptr<CountingButton> m_pCheckBox;
    HWND m_hPlain = nullptr;
};

TEST_F(ControlsRadioGroup, CheckingUnchecksTheCheckedButtonBeforeItUpToTheGroupStart) {
    Send(R(0), BM_SETCHECK, 1);
    Send(R(2), BM_SETCHECK, 1);
    EXPECT_EQ(States(), "0010000");
    EXPECT_TRUE(TakeRepaint(R(0))) << "the unchecked sibling is repainted";
    EXPECT_EQ(m_radios[0]->m_nChanges, 1) << "a sibling is changed without its own notification";
    EXPECT_TRUE(m_parent.m_clicks.empty());
}

TEST_F(ControlsRadioGroup, OrElseTheCheckedButtonAfterIt) {
    Send(R(2), BM_SETCHECK, 1);
    ClickAt(R(1), 5, 5);
    EXPECT_EQ(States(), "0100000");
    ASSERT_EQ(m_parent.m_clicks.size(), 1u);
    EXPECT_EQ(m_parent.m_clicks[0].id, 101);
    Send(R(0), BM_SETCHECK, 1);
    EXPECT_EQ(States(), "1000000") << "the group's first button looks forward";
}

TEST_F(ControlsRadioGroup, OnlyTheNearestCheckedButtonIsUnchecked) {
    m_radios[0]->m_nCheckState = 1;
    m_radios[1]->m_nCheckState = 1;
    Send(R(2), BM_SETCHECK, 1);
    EXPECT_EQ(States(), "1010000");
}

TEST_F(ControlsRadioGroup, APlainSystemButtonEndsTheWalk) {
    Send(R(2), BM_SETCHECK, 1);
    Send(::GetDlgItem(m_parent.m_hWnd, 199), BM_SETCHECK, 1);
    Send(R(3), BM_SETCHECK, 1);
    EXPECT_EQ(States(), "0011000");
    EXPECT_EQ(CheckOf(m_hPlain), 1) << "the system button is never touched";
}

TEST_F(ControlsRadioGroup, TheNextGroupIsNeitherExaminedNorEnteredFromItsStart) {
    Send(R(5), BM_SETCHECK, 1);
    Send(R(3), BM_SETCHECK, 1);
    EXPECT_EQ(States(), "0001010") << "walking forward stops before r4";
    Send(R(4), BM_SETCHECK, 1);
    EXPECT_EQ(States(), "0001100") << "r4 starts its group: r3 before it is another group's";
}

TEST_F(ControlsRadioGroup, AButtonOfAnotherKindEndsTheWalk) {
    Send(m_pCheckBox->m_hWnd, BM_SETCHECK, 1);
    Send(R(5), BM_SETCHECK, 1);
    Send(R(6), BM_SETCHECK, 1);
    EXPECT_EQ(States(), "0000011");
    EXPECT_EQ(m_pCheckBox->m_nCheckState, 1u);
    Send(R(6), BM_SETCHECK, 0);
    Send(R(6), BM_SETCHECK, 2);
    EXPECT_EQ(States(), "0000012");
}

TEST_F(ControlsRadioGroup, UncheckingTouchesNoSibling) {
    Send(R(1), BM_SETCHECK, 1);
    m_radios[2]->m_nCheckState = 1;
    Send(R(1), BM_SETCHECK, 0);
    EXPECT_EQ(States(), "0010000");
}

TEST_F(ControlsCheckButton, ReleasesAreReportedToTheParentWhenAsked) {
    HWND h = m_parent.AddButton(8, BS_AUTOCHECKBOX);
    CountingButton button(h, FALSE);
    ClickAt(h, 6, 7);
    EXPECT_TRUE(m_parent.m_releases.empty()) << "not asked yet";
    button.m_bNotifyParent = TRUE;
    ClickAt(h, 6, 7);
    Press(h, 6, 7);
    Release(h, 200, 7);
    Release(h, 6, 7);
    ASSERT_EQ(m_parent.m_releases.size(), 2u) << "only releases of a press on the control";
    EXPECT_EQ(m_parent.m_releases[0], CPoint(10 + 6, 20 + 7));
    EXPECT_EQ(m_parent.m_releases[1], CPoint(10, 20)) << "outside: the control's corner";
}

TEST_F(ControlsCheckButton, AutoDeletingObjectGoesWithItsWindow) {
    int destroyed = 0;
    HWND h = m_parent.AddButton(9, BS_AUTOCHECKBOX);
    new CountingButton(h, TRUE, &destroyed);
    ::DestroyWindow(h);
    EXPECT_EQ(destroyed, 1);
    CountingButton kept(m_parent.AddButton(10, BS_AUTOCHECKBOX), FALSE, &destroyed);
    ::DestroyWindow(kept.m_hWnd);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(kept.m_hWnd, nullptr);
}

TEST_F(ControlsCheckButton, AParentMayDestroyTheButtonFromItsClick) {
    int destroyed = 0;
    HWND h = m_parent.AddButton(11, BS_AUTOCHECKBOX);
    auto* button = new CountingButton(h, TRUE, &destroyed);
    button->m_bNotifyParent = TRUE;
    m_parent.m_nDestroyOnClick = 11;
    ClickAt(h, 5, 5);
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(destroyed, 1);
    ASSERT_EQ(m_parent.m_clicks.size(), 1u);
    EXPECT_TRUE(m_parent.m_releases.empty()) << "nothing is reported for a control that is gone";
}

TEST_F(ControlsCheckButton, MembersOfTheFamilyShareTheSystemProcedure) {
    HWND first = m_parent.AddButton(12, BS_AUTOCHECKBOX);
    HWND second = m_parent.AddButton(13, BS_AUTOCHECKBOX);
    LONG_PTR original = ::GetWindowLongPtrW(second, GWLP_WNDPROC);
    CountingButton a(first, FALSE);
    CountingButton b(second, FALSE);
    a.DestroyWindow();
    ::SetWindowTextW(second, L"still served");
    wchar_t text[32] = L"";
    ::GetWindowTextW(second, text, 32);
    EXPECT_STREQ(text, L"still served");
    ClickAt(second, 5, 5);
    EXPECT_EQ(CheckOf(second), 1);
    EXPECT_EQ(b.UnsubclassWindow(), second);
    EXPECT_EQ(::GetWindowLongPtrW(second, GWLP_WNDPROC), original)
        << "the system procedure is put back";
}

} // namespace
