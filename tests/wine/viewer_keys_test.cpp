// The keyboard against the mouse: each key must leave the viewer exactly as the mouse action it
// stands for, typed through the system's input queue as a user's keys would be.
#include "modal_script.h"
#include "navigator_tracker.h"
#include "resource.h"
#include "viewer_app.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

const wchar_t kSaveAsTitle[] = L"Varnolt -- Save As JPEG File";

// Key-downs and key-ups of one key taken from the queue by any loop, nested modal loops included.
struct KeyWatch {
    static WPARAM s_key;
    static bool s_down;
    static bool s_up;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && msg->wParam == s_key) {
            s_down = s_down || msg->message == WM_KEYDOWN;
            s_up = s_up || msg->message == WM_KEYUP;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    // The release was handled, or it found no window to go to (the press closed the window
    // that had the focus) and nothing of the keyboard is left in the queue.
    static bool Done() {
        bool bReleased = ::GetAsyncKeyState(static_cast<int>(s_key)) >= 0;
        bool bKeysQueued = (HIWORD(::GetQueueStatus(QS_KEY)) & QS_KEY) != 0;
        return s_up || (s_down && bReleased && !bKeysQueued);
    }
};
WPARAM KeyWatch::s_key = 0;
bool KeyWatch::s_down = false;
bool KeyWatch::s_up = false;

void SendKey(WORD key, bool bUp) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

// Presses the key with the modifiers held, as a user types it, and returns once its release has
// been handled.
void TypeKey(WORD key, const std::vector<WORD>& modifiers = {}) {
    KeyWatch::s_key = key;
    KeyWatch::s_down = false;
    KeyWatch::s_up = false;
    HHOOK hook =
        ::SetWindowsHookExW(WH_GETMESSAGE, &KeyWatch::Hook, nullptr, ::GetCurrentThreadId());
    for (WORD modifier : modifiers) {
        SendKey(modifier, false);
    }
    SendKey(key, false);
    SendKey(key, true);
    for (WORD modifier : modifiers) {
        SendKey(modifier, true);
    }
    EXPECT_TRUE(PumpMessagesUntil(&KeyWatch::Done)) << "key " << key;
    ::UnhookWindowsHookEx(hook);
    PumpPendingMessages();
}

// Everything a user could tell apart: the view's fields, the toggles, both bars and the screen.
struct ViewerState {
    float zoom, gamma;
    int srcX, srcY, srcWidth, srcHeight, centerX, centerY, zoomMode, interpolation;
    bool zoomInDown, zoomOutDown, visible;
    CRect tracker;
    BarState hBar, vBar;
    std::vector<COLORREF> screen;
    int screenWidth;
};

// Reports every difference, by name.
void ExpectSame(const ViewerState& key, const ViewerState& mouse, const char* row) {
    EXPECT_EQ(key.zoom, mouse.zoom) << row;
    EXPECT_EQ(key.gamma, mouse.gamma) << row;
    EXPECT_EQ(key.srcX, mouse.srcX) << row;
    EXPECT_EQ(key.srcY, mouse.srcY) << row;
    EXPECT_EQ(key.srcWidth, mouse.srcWidth) << row;
    EXPECT_EQ(key.srcHeight, mouse.srcHeight) << row;
    EXPECT_EQ(key.centerX, mouse.centerX) << row;
    EXPECT_EQ(key.centerY, mouse.centerY) << row;
    EXPECT_EQ(key.zoomMode, mouse.zoomMode) << row;
    EXPECT_EQ(key.interpolation, mouse.interpolation) << row;
    EXPECT_EQ(key.zoomInDown, mouse.zoomInDown) << row;
    EXPECT_EQ(key.zoomOutDown, mouse.zoomOutDown) << row;
    EXPECT_EQ(key.visible, mouse.visible) << row;
    EXPECT_EQ(key.tracker, mouse.tracker) << row;
    EXPECT_TRUE(key.hBar == mouse.hBar) << row << ": horizontal bar";
    EXPECT_TRUE(key.vBar == mouse.vBar) << row << ": vertical bar";
    EXPECT_EQ(key.screen.size(), mouse.screen.size()) << row;
    size_t differing = 0;
    CRect where(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (size_t i = 0; i < key.screen.size() && i < mouse.screen.size(); ++i) {
        if (key.screen[i] != mouse.screen[i]) {
            ++differing;
            int x = static_cast<int>(i % key.screenWidth);
            int y = static_cast<int>(i / key.screenWidth);
            where = CRect(std::min<int>(where.left, x), std::min<int>(where.top, y),
                          std::max<int>(where.right, x + 1), std::max<int>(where.bottom, y + 1));
        }
    }
    EXPECT_EQ(differing, 0u) << row << ": pixels on the screen, within (" << where.left << ", "
                             << where.top << ") - (" << where.right << ", " << where.bottom << ")";
}

// The prepared view: five wheel steps in (377 x 283 pixels of the picture), panned by dragging
// the bars' thumbs, the zoom-out toggle down.
constexpr int kPreparedWidth = 377;
constexpr int kPreparedHeight = 283;
// The bars' last reachable positions for that view: the picture's end less the visible part.
constexpr int kLastX = 640 - kPreparedWidth;
constexpr int kLastY = 480 - kPreparedHeight;

class ViewerKeys : public testing::Test {
  protected:
    // The viewer is the main window, as in the program: its dialogs are owned by it and
    // disable it while they are up.
    void SetUp() override {
        ASSERT_TRUE(m_viewer.Created());
        theApp.m_pMainWnd = &Dlg();
        ::SetForegroundWindow(Dlg().m_hWnd);
        PumpPendingMessages();
        ASSERT_EQ(::GetActiveWindow(), Dlg().m_hWnd);
    }
    void TearDown() override { theApp.m_pMainWnd = nullptr; }
    ViewerDlg& Dlg() { return m_viewer.Dlg(); }
    void Wheel(short delta) {
        ::SendMessageW(Dlg().m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }
    bool Down(int nID) {
        return ::SendMessageW(m_viewer.Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void Prepare(int barX, int barY) {
        HWND hDlg = Dlg().m_hWnd;
        if (!::IsWindowVisible(hDlg)) {
            ::ShowWindow(hDlg, SW_SHOWNORMAL);
            ::SetForegroundWindow(hDlg);
        }
        m_viewer.Click(IDC_ONE_TO_ONE);
        m_viewer.EditState().settings.m_fGamma = 1.0f;
        m_viewer.EditState().view.m_nCenterX = 300;
        m_viewer.EditState().view.m_nCenterY = 200;
        for (int i = 0; i < 5; ++i) {
            Wheel(-120);
        }
        m_viewer.Scroll(IDC_HSCROLL, SB_THUMBTRACK, barX);
        m_viewer.Scroll(IDC_VSCROLL, SB_THUMBTRACK, barY);
        // Away from the view's centre, as a click in the picture with both toggles up leaves
        // it: the wheel zooms about this point, a zoom button would not.
        m_viewer.EditState().view.m_nCenterX = 500;
        m_viewer.EditState().view.m_nCenterY = 400;
        ::SendMessageW(m_viewer.Item(IDC_ZOOM_OUT_MODE), BM_SETCHECK, BST_CHECKED, 0);
        m_viewer.Click(IDC_ZOOM_OUT_MODE);
        PumpPendingMessages();
        // Erased and drawn whole, so both runs start from the same screen: a stretched draw may
        // leave an edge pixel of the area as it was.
        ::RedrawWindow(hDlg, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ASSERT_EQ(Dlg().State().view.m_nSrcWidth, kPreparedWidth);
        ASSERT_EQ(Dlg().State().view.m_nSrcHeight, kPreparedHeight);
        ASSERT_EQ(Dlg().State().settings.m_nZoomMode, 1);
    }
    ViewerState Read() {
        PumpPendingMessages();
        ::RedrawWindow(Dlg().m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ViewerDlg& d = Dlg();
        ViewerState s{d.State().view.m_fZoom,
                      d.State().settings.m_fGamma,
                      d.State().view.m_nSrcX,
                      d.State().view.m_nSrcY,
                      d.State().view.m_nSrcWidth,
                      d.State().view.m_nSrcHeight,
                      d.State().view.m_nCenterX,
                      d.State().view.m_nCenterY,
                      d.State().settings.m_nZoomMode,
                      d.State().settings.m_nInterpolation,
                      Down(IDC_ZOOM_IN_MODE),
                      Down(IDC_ZOOM_OUT_MODE),
                      ::IsWindowVisible(d.m_hWnd) != FALSE,
                      d.m_pTracker->m_rect,
                      Bar(m_viewer.Item(IDC_HSCROLL)),
                      Bar(m_viewer.Item(IDC_VSCROLL)),
                      {},
                      0};
        if (s.visible) {
            ClientCapture screen(d.m_hWnd);
            s.screenWidth = screen.Width();
            for (int y = 0; y < screen.Height(); ++y) {
                for (int x = 0; x < screen.Width(); ++x) {
                    s.screen.push_back(screen.At(x, y));
                }
            }
        }
        return s;
    }

    ViewerWindow m_viewer{SamplePicture()};
};

// A dialog that a command opens is cancelled as it comes up, once it has been seen.
std::function<void()> Cancelling(const std::wstring& caption, std::function<void()> action) {
    return [caption, action] {
        ShownDialog seen;
        ModalScript script;
        script.Answer(caption, IDCANCEL, &seen);
        action();
        EXPECT_TRUE(script.Finished()) << "no dialog captioned as expected came up";
    };
}

TEST_F(ViewerKeys, EveryKeyLeavesTheViewerAsItsMouseActionDoes) {
    struct Row {
        const char* name;
        WORD key;
        std::vector<WORD> modifiers;
        int barX, barY;
        std::function<void()> mouse;
        const wchar_t* dialog;
    };
    ViewerWindow& v = m_viewer;
    auto wheel = [this](short delta) { return [this, delta] { Wheel(delta); }; };
    auto drag = [&v](int nBar, int pos) {
        return [&v, nBar, pos] { v.Scroll(nBar, SB_THUMBTRACK, pos); };
    };
    auto page = [&v](int nBar, int code) { return [&v, nBar, code] { v.Scroll(nBar, code); }; };
    auto click = [&v](int nID) { return [&v, nID] { v.Click(nID); }; };
    // Prepared at thumbs (150, 100), a tenth is 37 columns or 28 rows.
    const Row rows[] = {
        {"+", VK_OEM_PLUS, {VK_SHIFT}, 150, 100, wheel(-120), nullptr},
        {"=", VK_OEM_PLUS, {}, 150, 100, wheel(-120), nullptr},
        {"keypad +", VK_ADD, {}, 150, 100, wheel(-120), nullptr},
        {"-", VK_OEM_MINUS, {}, 150, 100, wheel(120), nullptr},
        {"keypad -", VK_SUBTRACT, {}, 150, 100, wheel(120), nullptr},
        {"left", VK_LEFT, {}, 150, 100, drag(IDC_HSCROLL, 113), nullptr},
        {"right", VK_RIGHT, {}, 150, 100, drag(IDC_HSCROLL, 187), nullptr},
        {"up", VK_UP, {}, 150, 100, drag(IDC_VSCROLL, 72), nullptr},
        {"down", VK_DOWN, {}, 150, 100, drag(IDC_VSCROLL, 128), nullptr},
        {"left near the start", VK_LEFT, {}, 20, 100, drag(IDC_HSCROLL, 0), nullptr},
        {"right near the end", VK_RIGHT, {}, kLastX - 5, 100, drag(IDC_HSCROLL, kLastX), nullptr},
        {"up near the top", VK_UP, {}, 150, 3, drag(IDC_VSCROLL, 0), nullptr},
        {"down near the end", VK_DOWN, {}, 150, kLastY - 1, drag(IDC_VSCROLL, kLastY), nullptr},
        {"Page Up", VK_PRIOR, {}, 150, 100, page(IDC_VSCROLL, SB_PAGEUP), nullptr},
        {"Page Down", VK_NEXT, {}, 150, 100, page(IDC_VSCROLL, SB_PAGEDOWN), nullptr},
        {"Shift+Page Up", VK_PRIOR, {VK_SHIFT}, 150, 100, page(IDC_HSCROLL, SB_PAGELEFT), nullptr},
        {"Shift+Page Down",
         VK_NEXT,
         {VK_SHIFT},
         150,
         100,
         page(IDC_HSCROLL, SB_PAGERIGHT),
         nullptr},
        {"Home", VK_HOME, {}, 150, 100, drag(IDC_HSCROLL, 0), nullptr},
        {"End", VK_END, {}, 150, 100, drag(IDC_HSCROLL, kLastX), nullptr},
        {"Ctrl+Home", VK_HOME, {VK_CONTROL}, 150, 100, drag(IDC_VSCROLL, 0), nullptr},
        {"Ctrl+End", VK_END, {VK_CONTROL}, 150, 100, drag(IDC_VSCROLL, kLastY), nullptr},
        {"1", '1', {}, 150, 100, click(IDC_ONE_TO_ONE), nullptr},
        {"keypad *", VK_MULTIPLY, {}, 150, 100, click(IDC_ONE_TO_ONE), nullptr},
        {"B", 'B', {}, 150, 100, click(IDC_BRIGHTER), nullptr},
        {"D", 'D', {}, 150, 100, click(IDC_DARKER), nullptr},
        {"Ctrl+S", 'S', {VK_CONTROL}, 150, 100, click(IDC_SAVE), kSaveAsTitle},
        {"Ctrl+P", 'P', {VK_CONTROL}, 150, 100, click(IDC_PRINT), L"Print"},
        {"Escape", VK_ESCAPE, {}, 150, 100, click(IDCANCEL), nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::function<void()> mouse = row.mouse;
        std::function<void()> key = [&row] { TypeKey(row.key, row.modifiers); };
        if (row.dialog != nullptr) {
            mouse = Cancelling(row.dialog, mouse);
            key = Cancelling(row.dialog, key);
        }
        Prepare(row.barX, row.barY);
        ViewerState before = Read();
        mouse();
        ViewerState byMouse = Read();
        Prepare(row.barX, row.barY);
        key();
        ExpectSame(Read(), byMouse, row.name);
        EXPECT_FALSE(before.screen == byMouse.screen && before.srcX == byMouse.srcX &&
                     before.srcY == byMouse.srcY && before.zoomMode == byMouse.zoomMode &&
                     before.visible == byMouse.visible)
            << row.name << ": the mouse action changed nothing, so the row proves nothing";
    }
}

TEST_F(ViewerKeys, WithTheSaveAsDialogOpenKeysAreTypedThereAndLeaveTheViewerAlone) {
    Prepare(150, 100);
    Cancelling(kSaveAsTitle, [this] { m_viewer.Click(IDC_SAVE); })();
    ViewerState untyped = Read();

    Prepare(150, 100);
    std::wstring typed;
    ModalScript script;
    script.Then(kSaveAsTitle, [&](HWND hSaveAs) {
        HWND hName = ::GetDlgItem(hSaveAs, IDC_FILE_NAME);
        ::SetWindowTextW(hName, L"");
        ::SetFocus(hName);
        TypeKey(VK_OEM_PLUS, {VK_SHIFT});
        TypeKey(VK_OEM_MINUS);
        TypeKey('1');
        TypeKey('B', {VK_SHIFT});
        TypeKey('D', {VK_SHIFT});
        for (WORD key : {VK_ADD, VK_LEFT, VK_NEXT, VK_HOME, VK_MULTIPLY}) {
            TypeKey(key);
        }
        TypeKey('S', {VK_CONTROL});
        TypeKey('P', {VK_CONTROL});
        wchar_t text[64] = L"";
        ::GetWindowTextW(hName, text, 64);
        typed = text;
        PostClick(hSaveAs, IDCANCEL);
    });
    m_viewer.Click(IDC_SAVE);
    EXPECT_TRUE(script.Finished()) << "no other dialog came up";
    EXPECT_EQ(typed, L"*+-1BD+");
    ExpectSame(Read(), untyped, "keys in the Save-As dialog");
}

// A held key's repeats that come while the last step still waits for its paint are dropped.
TEST_F(ViewerKeys, RepeatsQueuedBeforeTheStepIsDrawnAreDropped) {
    Prepare(0, 100);
    HWND hDlg = Dlg().m_hWnd;
    constexpr LPARAM kFirst = 1;
    constexpr LPARAM kRepeat = 1 | (1 << 30);
    ::PostMessageW(hDlg, WM_KEYDOWN, VK_RIGHT, kFirst);
    for (int i = 0; i < 10; ++i) {
        ::PostMessageW(hDlg, WM_KEYDOWN, VK_RIGHT, kRepeat);
    }
    PumpPendingMessages();
    EXPECT_EQ(Dlg().State().view.m_nSrcX, 37) << "one step, however many repeats were queued";
    ::PostMessageW(hDlg, WM_KEYDOWN, VK_RIGHT, kRepeat);
    PumpPendingMessages();
    EXPECT_EQ(Dlg().State().view.m_nSrcX, 74)
        << "once the step is drawn, the next repeat steps again";
}

} // namespace
