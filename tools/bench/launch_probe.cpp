#include "launch_probe.h"

#include "process_windows.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kPictureAreaId = 1014;
constexpr int kColourTolerance = 24;
constexpr DWORD kDeadlineMs = 60000;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= kColourTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= kColourTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= kColourTolerance;
}

class ScreenPixel {
  public:
    ScreenPixel() : m_hDC(::GetDC(nullptr)) {}
    ~ScreenPixel() { ::ReleaseDC(nullptr, m_hDC); }
    ScreenPixel(const ScreenPixel&) = delete;
    ScreenPixel& operator=(const ScreenPixel&) = delete;
    COLORREF At(POINT point) const { return ::GetPixel(m_hDC, point.x, point.y); }
    bool Shows(const ScreenProbe& probe) const { return Near(At(probe.point), probe.colour); }

  private:
    HDC m_hDC;
};

class Launched {
  public:
    explicit Launched(std::wstring commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &m_process)) {
            m_process = PROCESS_INFORMATION{};
        }
    }
    ~Launched() {
        if (m_process.hProcess == nullptr) {
            return;
        }
        for (HWND hWnd : VisibleTopLevelWindows(m_process.dwProcessId)) {
            ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
        }
        if (::WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0) {
            ::TerminateProcess(m_process.hProcess, 1);
            ::WaitForSingleObject(m_process.hProcess, 10000);
        }
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }
    Launched(const Launched&) = delete;
    Launched& operator=(const Launched&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    bool Running() const { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    HANDLE Process() const { return m_process.hProcess; }
    DWORD Id() const { return m_process.dwProcessId; }

  private:
    PROCESS_INFORMATION m_process{};
};

PROCESS_MEMORY_COUNTERS Memory(HANDLE hProcess) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(hProcess, &counters, sizeof(counters));
    return counters;
}

double Megabytes(SIZE_T bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// The working set once the program waits for input and five samples 20 ms apart stay within
// 1 % of each other.
bool WaitForSettledMemory(const Launched& program, LaunchResult* result) {
    ::WaitForInputIdle(program.Process(), 5000);
    double start = Now();
    std::vector<double> recent;
    while (Now() - start < kDeadlineMs && program.Running()) {
        recent.push_back(Megabytes(Memory(program.Process()).WorkingSetSize));
        if (recent.size() > 5) {
            recent.erase(recent.begin());
        }
        auto [low, high] = std::minmax_element(recent.begin(), recent.end());
        if (recent.size() == 5 && *high - *low <= *high * 0.01) {
            PROCESS_MEMORY_COUNTERS counters = Memory(program.Process());
            result->settledMB = *high;
            result->peakMB = Megabytes(counters.PeakWorkingSetSize);
            return true;
        }
        ::Sleep(20);
    }
    return false;
}

// Waits (with a deadline) until the probe no longer shows the colour: the last run's window
// must be gone from the screen before the next one is timed.
bool WaitForScreenWithout(const ScreenPixel& screen, const ScreenProbe& probe) {
    double start = Now();
    while (screen.Shows(probe)) {
        if (Now() - start > kDeadlineMs) {
            return false;
        }
        ::Sleep(1);
    }
    return true;
}

} // namespace

LaunchResult TimeLaunch(const std::wstring& commandLine, const ScreenProbe& probe) {
    LaunchResult result;
    ScreenPixel screen;
    if (!WaitForScreenWithout(screen, probe)) {
        std::fprintf(stderr, "the probe point shows the picture's colour before the start\n");
        return result;
    }
    double start = Now();
    Launched program(commandLine);
    if (!program.Started()) {
        std::fprintf(stderr, "could not start %ls (error %lu)\n", commandLine.c_str(),
                     ::GetLastError());
        return result;
    }
    while (!screen.Shows(probe)) {
        if (!program.Running() || Now() - start > kDeadlineMs) {
            std::fprintf(stderr, "%ls: (%ld, %ld) never showed the picture; it shows %06lx\n",
                         commandLine.c_str(), probe.point.x, probe.point.y, screen.At(probe.point));
            return result;
        }
        ::Sleep(1);
    }
    result.msToPicture = Now() - start;
    result.ok = WaitForSettledMemory(program, &result);
    return result;
}

RECT ViewerPictureArea(const std::wstring& commandLine) {
    RECT area{};
    Launched viewer(commandLine);
    double start = Now();
    while (viewer.Running() && Now() - start < kDeadlineMs) {
        for (HWND hWnd : VisibleTopLevelWindows(viewer.Id())) {
            HWND hPicture = ::GetDlgItem(hWnd, kPictureAreaId);
            if (hPicture != nullptr && ::GetClientRect(hPicture, &area) && area.right > 0) {
                ::MapWindowPoints(hPicture, nullptr, reinterpret_cast<POINT*>(&area), 2);
                ::WaitForInputIdle(viewer.Process(), 5000);
                return area;
            }
        }
        ::Sleep(10);
    }
    return area;
}
