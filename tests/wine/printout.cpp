#include "printout.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string EnvOr(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : fallback;
}

std::string WorkDir() {
    return EnvOr("STILLVIEW_BINARY_DIR", "/tmp") + "/print-readback";
}

// A Unix path as this process opens it, through the drive that maps the root.
std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream file(WindowsPath(path), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Starts a Unix program (the system runs non-Windows executables as they are); returns the
// error of a failed start. Its process handle does not tell when it ends.
DWORD StartUnix(const std::string& commandLine) {
    std::wstring line(commandLine.begin(), commandLine.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return ::GetLastError();
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ERROR_SUCCESS;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (::GetTickCount() - start >= timeoutMs) {
            return false;
        }
        ::Sleep(50);
    }
    return true;
}

} // namespace

std::map<std::string, std::string> RunPrintReadback(const std::string& command, int dpi) {
    std::string script = EnvOr("STILLVIEW_SOURCE_DIR", ".") + "/tests/wine/print-readback.sh";
    std::map<std::string, std::string> findings;
    std::string result = WorkDir() + "/result.txt";
    ::DeleteFileA(WindowsPath(result).c_str());
    DWORD error = StartUnix("/bin/bash " + script + " " + command + " " + WorkDir() + " " +
                            std::to_string(dpi));
    if (error != ERROR_SUCCESS) {
        findings["error"] = "could not start " + script + ": error " + std::to_string(error);
        return findings;
    }
    if (!WaitForFile(WindowsPath(result), 240000)) {
        findings["error"] = script + " " + command + " did not finish within 240 s";
        return findings;
    }
    std::istringstream lines(ReadAll(result));
    std::string line;
    while (std::getline(lines, line)) {
        size_t equals = line.find('=');
        if (equals != std::string::npos) {
            findings[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return findings;
}

std::string PrintoutText() {
    return ReadAll(WorkDir() + "/page.txt");
}

bool RenderedPage::Load() {
    std::ifstream file(WindowsPath(WorkDir() + "/page.ppm"), std::ios::binary);
    std::string magic;
    int maxValue = 0;
    file >> magic >> m_width >> m_height >> maxValue;
    file.get();
    if (magic != "P6" || maxValue != 255 || m_width <= 0 || m_height <= 0) {
        return false;
    }
    m_rgb.resize(static_cast<size_t>(m_width) * m_height * 3);
    file.read(reinterpret_cast<char*>(m_rgb.data()), static_cast<std::streamsize>(m_rgb.size()));
    return file.gcount() == static_cast<std::streamsize>(m_rgb.size());
}

COLORREF RenderedPage::At(int x, int y) const {
    const unsigned char* p = &m_rgb[(static_cast<size_t>(y) * m_width + x) * 3];
    return RGB(p[0], p[1], p[2]);
}

bool IsInked(COLORREF c) {
    return GetRValue(c) < 240 || GetGValue(c) < 240 || GetBValue(c) < 240;
}

RECT InkBox(int width, int height, const std::function<COLORREF(int, int)>& at) {
    RECT box{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF c = at(x, y);
            if (IsInked(c)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
    }
    return box;
}
