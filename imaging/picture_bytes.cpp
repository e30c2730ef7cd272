#include "picture_bytes.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr DWORD kChunk = 1 << 20;

bool ReadAll(HANDLE hFile, std::string* bytes) {
    LARGE_INTEGER size{};
    if (::GetFileType(hFile) != FILE_TYPE_DISK || !::GetFileSizeEx(hFile, &size) ||
        size.QuadPart < 0 || static_cast<std::uint64_t>(size.QuadPart) > kMaxPictureFileBytes) {
        return false;
    }
    bytes->resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes->size()) {
        DWORD got = 0;
        const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes->size() - done, kChunk));
        // A read that fails or ends early must not pass for the whole file.
        if (!::ReadFile(hFile, &(*bytes)[done], chunk, &got, nullptr) || got == 0) {
            return false;
        }
        done += got;
    }
    return true;
}

} // namespace

bool ReadPictureBytes(const wchar_t* path, std::string* bytes) {
    bytes->clear();
    // Shared for reading, writing and deleting: looking at a picture never blocks the recorder.
    HANDLE hFile =
        ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = ReadAll(hFile, bytes);
    ::CloseHandle(hFile);
    if (!ok) {
        std::string().swap(*bytes);
    }
    return ok;
}
