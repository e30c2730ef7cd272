// Starts the real StillView.exe and looks at it from outside, as a user's tools would.
#pragma once

#include "test_files.h"

#include <windows.h>

#include <set>
#include <string>

// StillView.exe of the build under test (STILLVIEW_EXE, a Unix path), as a Windows path.
std::wstring ViewerExecutable();

// A file of the source tree (STILLVIEW_SOURCE_DIR), as a Windows path through the Z: drive.
std::wstring SourcePath(const std::string& relativePath);

class ViewerProcess {
  public:
    // Starts the viewer with exactly this text after the program name, in the given folder.
    ViewerProcess(const std::wstring& arguments, const std::wstring& workingFolder);
    ~ViewerProcess();
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    // Why the process could not be started.
    DWORD StartError() const { return m_startError; }
    // The viewer's dialog once it is visible, null if none appears before the deadline.
    HWND WaitForWindow(DWORD timeoutMs = 20000);
    // True once the process has ended, with its exit code.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    // Any visible top-level window of the process right now.
    HWND FindWindow() const;
    // A visible, enabled dialog of the process with this caption (one that takes input now),
    // null if none comes before the deadline.
    HWND WaitForDialog(const std::wstring& caption, DWORD timeoutMs = 20000);
    // Whether any visible dialog of the process other than hMain is up now.
    bool HasOtherDialog(HWND hMain) const;
    // Asks the viewer to close as its Cancel button does, then waits for the process to end.
    bool Close(DWORD* exitCode, DWORD timeoutMs = 20000);

  private:
    PROCESS_INFORMATION m_process{};
    DWORD m_startError = ERROR_SUCCESS;
};

// The temporary files the viewer makes ("Intern….jpeg" and its reservation).
std::set<std::wstring> ViewerTemporaryFiles();

// The largest position of a scroll bar control of another process.
int ScrollMax(HWND hDialog, int nID);
