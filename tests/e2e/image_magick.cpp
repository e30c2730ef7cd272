#include "image_magick.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr DWORD kHostCommandTimeoutMs = 60000;

std::wstring TempPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Reads a binary PPM (P6, maximum 255).
bool ParsePpm(const std::string& bytes, RgbPicture* picture) {
    std::istringstream in(bytes);
    std::string magic;
    int maximum = 0;
    in >> magic >> picture->width >> picture->height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || picture->width <= 0 || picture->height <= 0) {
        return false;
    }
    size_t size = static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height) * 3;
    size_t start = static_cast<size_t>(in.tellg());
    if (bytes.size() < start + size) {
        return false;
    }
    picture->rgb.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                        bytes.begin() + static_cast<std::ptrdiff_t>(start + size));
    return true;
}

} // namespace

COLORREF RgbPicture::At(int x, int y) const {
    size_t i = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
}

std::string HostPath(const std::wstring& path) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr) {
        return std::string();
    }
    char* unixPath = toUnix(path.c_str());
    if (unixPath == nullptr) {
        return std::string();
    }
    std::string result = unixPath;
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}

std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Wine starts host programs but does not wait for them, so the script leaves its output under
// a final name only when it is done, and a marker when it failed.
bool RunHostCommand(const std::string& commandLine, std::string* output) {
    static int counter = 0;
    // Process ids start again with every session: the clock keeps a late marker of an earlier
    // session's command from answering for this one.
    std::wstring stem = TempPath(L"stillview-host-" + std::to_wstring(::GetCurrentProcessId()) +
                                 L"-" + std::to_wstring(::GetTickCount()) + L"-" +
                                 std::to_wstring(++counter));
    std::wstring script = stem + L".sh";
    std::wstring done = stem + L".out";
    std::wstring failed = stem + L".failed";
    std::string out = HostPath(done);
    {
        std::ofstream file(script.c_str(), std::ios::binary);
        // What the command said on failure ends up in the marker, for the test's log.
        file << "(" << commandLine << ") >" << ShellQuoted(out + ".part") << " 2>"
             << ShellQuoted(out + ".err") << " && mv " << ShellQuoted(out + ".part") << " "
             << ShellQuoted(out) << " || mv " << ShellQuoted(out + ".err") << " "
             << ShellQuoted(HostPath(failed)) << "\n";
    }
    std::string hostScript = HostPath(script);
    std::wstring start =
        L"start.exe /unix /bin/sh \"" + std::wstring(hostScript.begin(), hostScript.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    bool ok = false;
    if (::CreateProcessW(nullptr, &start[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                         nullptr, &startup, &process)) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        DWORD begin = ::GetTickCount();
        while (!FileExists(done) && !FileExists(failed) &&
               ::GetTickCount() - begin < kHostCommandTimeoutMs) {
            ::Sleep(20);
        }
        ok = FileExists(done);
    }
    if (ok && output != nullptr) {
        *output = ReadWholeFile(done);
    }
    if (!ok) {
        std::fprintf(stderr, "host command failed: %s\n%s\n", commandLine.c_str(),
                     ReadWholeFile(failed).c_str());
    }
    for (const std::wstring& file : {script, done, done + L".err", failed}) {
        ::DeleteFileW(file.c_str());
    }
    return ok;
}

bool DecodeWithImageMagick(const std::wstring& path, RgbPicture* picture) {
    std::string ppm;
    return RunHostCommand("convert " + ShellQuoted(HostPath(path)) + " -strip -depth 8 ppm:-",
                          &ppm) &&
           ParsePpm(ppm, picture);
}
