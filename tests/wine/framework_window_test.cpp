// The framework's window objects: message maps chained to the base class, default processing,
// command routing and reflection, the handle maps and the end of a window's life.
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_calls;

class BaseProbe : public CWnd {
  public:
    LRESULT OnApp(WPARAM wParam, LPARAM) {
        g_calls.push_back("base app");
        return static_cast<LRESULT>(wParam) + 1;
    }
    void OnLButtonDown(UINT, CPoint point) {
        g_calls.push_back("base down " + std::to_string(point.x));
    }
    LRESULT OnSetText(WPARAM, LPARAM) {
        g_calls.push_back("base settext");
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseProbe, CWnd)
ON_MESSAGE(WM_APP, OnApp)
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

class DerivedProbe : public BaseProbe {
  public:
    void OnLButtonDown(UINT, CPoint point) {
        g_calls.push_back("derived down " + std::to_string(point.y));
    }
    void OnDestroy() {
        g_calls.push_back("derived destroy");
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override {
        g_calls.push_back("post nc destroy, attached " + std::to_string(m_hWnd != nullptr));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedProbe, BaseProbe)
ON_WM_LBUTTONDOWN()
ON_WM_DESTROY()
END_MESSAGE_MAP()

HWND MakeStatic(HWND hParent = nullptr, int nID = 0, DWORD style = 0) {
    return ::CreateWindowExW(0, L"Static", L"", (hParent ? WS_CHILD : WS_POPUP) | style, 0, 0, 50,
                             20, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)),
                             nullptr, nullptr);
}

class FrameworkWindow : public testing::Test {
  protected:
    void SetUp() override { g_calls.clear(); }
};

TEST_F(FrameworkWindow, DerivedMapIsSearchedBeforeTheBaseMap) {
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(MakeStatic()));
    probe.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(probe.SendMessage(WM_APP, 41), 42);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"derived down 4", "base app"}));
    probe.DestroyWindow();
}

TEST_F(FrameworkWindow, DefaultPassesTheCurrentMessageToTheReplacedProcedure) {
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(MakeStatic()));
    probe.SetWindowText(L"plate KT 410");
    EXPECT_EQ(g_calls, (std::vector<std::string>{"base settext"}));
    EXPECT_EQ(probe.GetWindowText(), CString(L"plate KT 410"));
    probe.DestroyWindow();
}

TEST_F(FrameworkWindow, UnmappedMessagesReachTheOriginalProcedure) {
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(MakeStatic()));
    ::SetWindowTextW(probe.m_hWnd, L"abc");
    EXPECT_EQ(probe.SendMessage(WM_GETTEXTLENGTH), 3);
    probe.DestroyWindow();
}

TEST_F(FrameworkWindow, DestroyingTheWindowDetachesBeforePostNcDestroy) {
    DerivedProbe probe;
    HWND hWnd = MakeStatic();
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &probe);
    probe.DestroyWindow();
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"derived destroy", "post nc destroy, attached 0"}));
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(FrameworkWindow, UnsubclassingPutsTheOriginalProcedureBack) {
    HWND hWnd = MakeStatic();
    LONG_PTR original = ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    DerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
    EXPECT_NE(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC), original);
    EXPECT_EQ(probe.UnsubclassWindow(), hWnd);
    EXPECT_EQ(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC), original);
    ::SendMessageW(hWnd, WM_APP, 1, 0);
    EXPECT_TRUE(g_calls.empty());
    ::DestroyWindow(hWnd);
}

TEST_F(FrameworkWindow, AWindowCanBeSubclassedByOneObjectOnly) {
    HWND hWnd = MakeStatic();
    DerivedProbe first;
    DerivedProbe second;
    EXPECT_TRUE(first.SubclassWindow(hWnd));
    EXPECT_FALSE(second.SubclassWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandle(hWnd), &first);
    first.DestroyWindow();
}

TEST_F(FrameworkWindow, UnknownHandlesGetOneTemporaryObjectUntilTheTempMapIsCleared) {
    HWND hWnd = MakeStatic();
    CWnd* temp = CWnd::FromHandle(hWnd);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), temp);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_FALSE(temp->IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hWnd)) << "a temporary object never destroys the window it borrowed";
    ::DestroyWindow(hWnd);
}

TEST_F(FrameworkWindow, RunTimeClassOfFrameworkControls) {
    CBitmapButton button;
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CComboBox)));
    EXPECT_STREQ(button.GetRuntimeClass()->m_lpszClassName, "CBitmapButton");
}

// A parent that routes control notifications, and a button that may eat its own clicks.
class CommandParent : public CWnd {
  public:
    void OnFirst() { g_calls.push_back("first clicked"); }
    void OnSecond() { g_calls.push_back("second clicked"); }
    void OnSelChange() { g_calls.push_back("selection changed"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandParent, CWnd)
ON_BN_CLICKED(101, OnFirst)
ON_BN_CLICKED(102, OnSecond)
ON_CBN_SELCHANGE(101, OnSelChange)
END_MESSAGE_MAP()

class EatingButton : public CButton {
  public:
    void OnClicked() { g_calls.push_back("eaten by the button"); }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        g_calls.push_back("draw item " + std::to_string(lpDIS->CtlID));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EatingButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

TEST_F(FrameworkWindow, CommandsGoToTheEntryOfTheirIdAndNotificationCode) {
    CommandParent parent;
    ASSERT_TRUE(parent.SubclassWindow(MakeStatic()));
    HWND hFirst = MakeStatic(parent.m_hWnd, 101);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), reinterpret_cast<LPARAM>(hFirst));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(101, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(hFirst));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(102, BN_CLICKED), 0);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(103, BN_CLICKED), 0);
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"first clicked", "selection changed", "second clicked"}));
    parent.DestroyWindow();
}

TEST_F(FrameworkWindow, ControlsHandleTheirOwnReflectedNotificationsAndDrawing) {
    CommandParent parent;
    ASSERT_TRUE(parent.SubclassWindow(MakeStatic()));
    EatingButton button;
    ASSERT_TRUE(button.SubclassWindow(
        ::CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 20, 20,
                          parent.m_hWnd, reinterpret_cast<HMENU>(101), nullptr, nullptr)));
    g_calls.clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"eaten by the button"}));

    g_calls.clear();
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 101;
    dis.hwndItem = button.m_hWnd;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, 101, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"draw item 101"}));
    parent.DestroyWindow();
}

class ThrowingWnd : public CWnd {
  public:
    LRESULT OnApp(WPARAM, LPARAM) { AfxThrowResourceException(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

TEST_F(FrameworkWindow, AnExceptionInAHandlerEndsThatMessageOnly) {
    ThrowingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(MakeStatic()));
    EXPECT_EQ(wnd.SendMessage(WM_APP, 5), 0);
    wnd.SetWindowText(L"still alive");
    EXPECT_EQ(wnd.GetWindowText(), CString(L"still alive"));
    wnd.DestroyWindow();
}

} // namespace
