#include "modal_script.h"

#include <algorithm>

namespace {

// The message box's text and icon controls.
constexpr int kBoxText = 0xFFFF;
constexpr int kBoxIcon = 0x0440;
// A step whose window has not come by then is given up, and whatever is up is cancelled, so a
// test fails instead of hanging in a modal loop.
constexpr DWORD kStepTimeoutMs = 60000;

ModalScript* g_running = nullptr;

std::wstring WindowText(HWND hWnd) {
    wchar_t text[2048] = L"";
    ::GetWindowTextW(hWnd, text, 2048);
    return text;
}

bool IsDialogWindow(HWND hWnd) {
    wchar_t className[64] = L"";
    ::GetClassNameW(hWnd, className, 64);
    return std::wstring(className) == L"#32770";
}

BOOL CALLBACK CollectDialog(HWND hWnd, LPARAM lParam) {
    if (::IsWindowVisible(hWnd) && IsDialogWindow(hWnd)) {
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    }
    return TRUE;
}

std::vector<HWND> VisibleDialogs() {
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

} // namespace

namespace {

BOOL CALLBACK RecordControl(HWND hControl, LPARAM lParam) {
    auto* shown = reinterpret_cast<ShownDialog*>(lParam);
    int id = ::GetDlgCtrlID(hControl);
    LONG style = ::GetWindowLongW(hControl, GWL_STYLE);
    if ((style & WS_VISIBLE) != 0) {
        shown->visibleIds.insert(id);
    }
    if (::IsWindowEnabled(hControl)) {
        shown->enabledIds.insert(id);
    }
    if (id == kBoxIcon && (style & WS_VISIBLE) != 0) {
        shown->icon = reinterpret_cast<HICON>(::SendMessageW(hControl, STM_GETICON, 0, 0));
    } else if (id == kBoxText) {
        shown->text = WindowText(hControl);
    }
    return TRUE;
}

} // namespace

ShownDialog ReadDialog(HWND hDialog) {
    ShownDialog shown;
    shown.title = WindowText(hDialog);
    ::EnumChildWindows(hDialog, &RecordControl, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

void PostClick(HWND hDialog, int nID) {
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

ModalScript::ModalScript() : m_background(VisibleDialogs()) {
    g_running = this;
    m_stepStart = ::GetTickCount();
    m_timer = ::SetTimer(nullptr, 0, 10, &ModalScript::OnTick);
}

ModalScript::~ModalScript() {
    ::KillTimer(nullptr, m_timer);
    g_running = nullptr;
}

ModalScript& ModalScript::Then(const std::wstring& caption, std::function<void(HWND)> action) {
    m_steps.push_back({caption, std::move(action)});
    return *this;
}

ModalScript& ModalScript::Answer(const std::wstring& caption, int button, ShownDialog* seen) {
    return Then(caption, [button, seen](HWND hDialog) {
        *seen = ReadDialog(hDialog);
        PostClick(hDialog, button);
    });
}

void CALLBACK ModalScript::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_running != nullptr) {
        g_running->Tick();
    }
}

// The window that takes input now: a dialog that came after the script started and is not
// disabled by a modal window of its own.
HWND ModalScript::FrontDialog() const {
    for (HWND hWnd : VisibleDialogs()) {
        if (::IsWindowEnabled(hWnd) &&
            std::find(m_background.begin(), m_background.end(), hWnd) == m_background.end()) {
            return hWnd;
        }
    }
    return nullptr;
}

void ModalScript::Tick() {
    HWND hFront = FrontDialog();
    if (hFront == nullptr || hFront == m_hLastHandled) {
        return;
    }
    bool wanted = m_next < m_steps.size() && WindowText(hFront) == m_steps[m_next].caption;
    bool late = ::GetTickCount() - m_stepStart > kStepTimeoutMs;
    if (!wanted) {
        // A window that no step wants is a surprise once no step is waiting, or a step waited
        // too long; it is cancelled so the command can end.
        if (m_next == m_steps.size() || late) {
            m_unexpected.push_back(WindowText(hFront));
            m_hLastHandled = hFront;
            PostClick(hFront, IDCANCEL);
        }
        return;
    }
    m_hLastHandled = hFront;
    m_stepStart = ::GetTickCount();
    m_steps[m_next++].action(hFront);
}
