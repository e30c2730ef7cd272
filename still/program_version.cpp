#include "program_version.h"

#include "imaging_library.h"
#include "picture_bytes.h"
#include "sha256.h"
#include "utf8_text.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace {

std::vector<BYTE> VersionInfoOf(const wchar_t* module) {
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeW(module, &handle);
    std::vector<BYTE> info(size);
    if (size == 0 || !::GetFileVersionInfoW(module, 0, size, info.data())) {
        info.clear();
    }
    return info;
}

// A text of a version resource, in the resource's first language.
std::string VersionText(const std::vector<BYTE>& info, const wchar_t* key) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                          reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
        return std::string();
    }
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
             translation->codePage, key);
    if (!::VerQueryValueW(info.data(), path, &value, &length) || length == 0) {
        return std::string();
    }
    return Utf8(static_cast<const wchar_t*>(value));
}

// The four numbers of the fixed part, which every version resource has.
std::string FixedFileVersion(const std::vector<BYTE>& info) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (info.empty() ||
        !::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return std::string();
    }
    char text[64];
    snprintf(text, sizeof text, "%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
             LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
             LOWORD(fixed->dwFileVersionLS));
    return text;
}

std::vector<BYTE> OwnVersionInfo() {
    wchar_t module[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    return VersionInfoOf(module);
}

} // namespace

std::string ProgramNameAndVersion() {
    std::vector<BYTE> info = OwnVersionInfo();
    if (info.empty()) {
        return "StillView";
    }
    return VersionText(info, L"ProductName") + " " + VersionText(info, L"ProductVersion");
}

std::string ExecutableNameVersionAndBuild() {
    std::vector<BYTE> info = OwnVersionInfo();
    std::string build = sizeof(void*) == 8 ? "64-bit build" : "32-bit build";
    if (info.empty()) {
        return "(version unknown), " + build;
    }
    return VersionText(info, L"InternalName") + " " + VersionText(info, L"ProductVersion") + ", " +
           build;
}

std::string ImagingLibraryVersion() {
    // Read once: the DLL a process runs with does not change under it.
    static const std::string library = [] {
        wchar_t module[MAX_PATH] = L"";
        HMODULE hLibrary = ::GetModuleHandleW(L"gdiplus.dll");
        if (hLibrary == nullptr || ::GetModuleFileNameW(hLibrary, module, MAX_PATH) == 0) {
            return ImagingLibraryText(std::string(), std::string(), WineVersion());
        }
        std::string bytes;
        std::string sha256 = ReadPictureBytes(module, &bytes) ? Sha256Of(bytes) : std::string();
        return ImagingLibraryText(FixedFileVersion(VersionInfoOf(module)), sha256, WineVersion());
    }();
    return library;
}

std::string WineVersion() {
    using GetVersion = const char*(CDECL*)();
    HMODULE hNtdll = ::GetModuleHandleW(L"ntdll.dll");
    auto get = reinterpret_cast<GetVersion>(
        reinterpret_cast<void*>(::GetProcAddress(hNtdll, "wine_get_version")));
    return get != nullptr ? std::string(get()) : std::string();
}
