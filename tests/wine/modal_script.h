// Answers the modal dialogs and message boxes that a command opens, step by step, from inside
// the command's own modal loops: a thread timer looks for the window each step waits for.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

// A dialog or message box as it was when it came up.
struct ShownDialog {
    std::wstring title;
    // A message box's text and its icon (null when it shows none).
    std::wstring text;
    HICON icon = nullptr;
    // Controls with the visible style, and those enabled.
    std::set<int> visibleIds;
    std::set<int> enabledIds;

    bool StopIcon() const { return icon != nullptr && icon == ::LoadIconW(nullptr, IDI_HAND); }
};

// Reads a dialog of this thread.
ShownDialog ReadDialog(HWND hDialog);

class ModalScript {
  public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // The next step: once an enabled, visible window of this thread with this caption is up,
    // the action runs with it. Actions post the command that closes or answers the window.
    ModalScript& Then(const std::wstring& caption, std::function<void(HWND)> action);
    // The next step answers a dialog with this caption by pressing the button, and keeps what it
    // showed.
    ModalScript& Answer(const std::wstring& caption, int button, ShownDialog* seen);

    // Every step ran, and no window appeared that no step waited for.
    bool Finished() const { return m_next == m_steps.size() && m_unexpected.empty(); }
    // Captions of windows that came when no step wanted them (they were cancelled).
    const std::vector<std::wstring>& Unexpected() const { return m_unexpected; }

  private:
    struct Step {
        std::wstring caption;
        std::function<void(HWND)> action;
    };
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    HWND FrontDialog() const;
    void Tick();

    // Dialogs already up when the script started; they are never answered.
    std::vector<HWND> m_background;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    std::vector<std::wstring> m_unexpected;
    HWND m_hLastHandled = nullptr;
    DWORD m_stepStart = 0;
    UINT_PTR m_timer = 0;
};

// Sends a button's click to its dialog, as a press would.
void PostClick(HWND hDialog, int nID);
