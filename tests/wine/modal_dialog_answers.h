// Answers the modal dialogs and message boxes that a command opens on this thread, and records
// what each one showed, so a test can run a command that waits for the user.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

// A dialog as it was when it became active.
struct ShownDialog {
    std::wstring title;
    // A message box's text and its icon (null when it shows none).
    std::wstring text;
    HICON icon = nullptr;
    // Controls with the visible style, and those enabled.
    std::set<int> visibleIds;
    std::set<int> enabledIds;
};

class ModalDialogAnswers {
  public:
    // Each dialog whose title is a key gets that button pressed; others are left alone. If the
    // command still waits after the deadline, every such dialog gets Cancel and TimedOut() says so.
    explicit ModalDialogAnswers(std::map<std::wstring, int> buttonByTitle,
                                DWORD deadlineMs = 120000);
    ~ModalDialogAnswers();
    ModalDialogAnswers(const ModalDialogAnswers&) = delete;
    ModalDialogAnswers& operator=(const ModalDialogAnswers&) = delete;

    // Called as each answered dialog comes up, before it is answered.
    void OnShow(std::function<void(const ShownDialog&)> callback) {
        m_onShow = std::move(callback);
    }
    const std::vector<ShownDialog>& Shown() const { return m_shown; }
    std::vector<std::wstring> ShownTitles() const;
    bool TimedOut() const { return m_timedOut; }

  private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    void Answer(HWND hDialog);
    void Watch(DWORD deadlineMs);

    std::map<std::wstring, int> m_buttonByTitle;
    std::function<void(const ShownDialog&)> m_onShow;
    std::vector<ShownDialog> m_shown;
    DWORD m_threadId;
    HHOOK m_hook = nullptr;
    HANDLE m_finished;
    std::atomic<bool> m_timedOut{false};
    std::thread m_watchdog;
};
