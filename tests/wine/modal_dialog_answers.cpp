#include "modal_dialog_answers.h"

namespace {

ModalDialogAnswers* g_pActive = nullptr;

std::wstring WindowText(HWND hWnd) {
    wchar_t text[512] = L"";
    ::GetWindowTextW(hWnd, text, 512);
    return text;
}

std::wstring ClassName(HWND hWnd) {
    wchar_t name[64] = L"";
    ::GetClassNameW(hWnd, name, 64);
    return name;
}

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
    if (ClassName(hControl) != L"Static" || (style & WS_VISIBLE) == 0) {
        return TRUE;
    }
    if ((style & SS_TYPEMASK) == SS_ICON) {
        shown->icon = reinterpret_cast<HICON>(::SendMessageW(hControl, STM_GETICON, 0, 0));
    } else if (id == 0xFFFF) {
        // A message box's text has this identifier.
        shown->text = WindowText(hControl);
    }
    return TRUE;
}

} // namespace

ModalDialogAnswers::ModalDialogAnswers(std::map<std::wstring, int> buttonByTitle, DWORD deadlineMs)
    : m_buttonByTitle(std::move(buttonByTitle)), m_threadId(::GetCurrentThreadId()),
      m_finished(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    g_pActive = this;
    m_hook = ::SetWindowsHookExW(WH_CBT, &CbtHook, nullptr, m_threadId);
    m_watchdog = std::thread([this, deadlineMs] { Watch(deadlineMs); });
}

ModalDialogAnswers::~ModalDialogAnswers() {
    ::SetEvent(m_finished);
    m_watchdog.join();
    ::UnhookWindowsHookEx(m_hook);
    ::CloseHandle(m_finished);
    g_pActive = nullptr;
}

std::vector<std::wstring> ModalDialogAnswers::ShownTitles() const {
    std::vector<std::wstring> titles;
    for (const ShownDialog& shown : m_shown) {
        titles.push_back(shown.title);
    }
    return titles;
}

LRESULT CALLBACK ModalDialogAnswers::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_pActive != nullptr) {
        g_pActive->Answer(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void ModalDialogAnswers::Answer(HWND hDialog) {
    auto answer = m_buttonByTitle.find(WindowText(hDialog));
    if (answer == m_buttonByTitle.end() || ClassName(hDialog) != L"#32770") {
        return;
    }
    ShownDialog shown;
    shown.title = answer->first;
    ::EnumChildWindows(hDialog, &RecordControl, reinterpret_cast<LPARAM>(&shown));
    m_shown.push_back(shown);
    if (m_onShow) {
        m_onShow(shown);
    }
    // Posted, so the dialog's own modal loop presses the button once it runs.
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(answer->second, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, answer->second)));
}

void ModalDialogAnswers::Watch(DWORD deadlineMs) {
    if (::WaitForSingleObject(m_finished, deadlineMs) != WAIT_TIMEOUT) {
        return;
    }
    m_timedOut = true;
    ::EnumThreadWindows(
        m_threadId,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* self = reinterpret_cast<ModalDialogAnswers*>(lParam);
            if (self->m_buttonByTitle.count(WindowText(hWnd)) != 0) {
                ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}
