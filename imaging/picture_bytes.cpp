#include "picture_bytes.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr DWORD kChunk = 1 << 20;

// The size of a file on a disk, within the limit; false for anything else.
bool PictureFileSize(HANDLE hFile, std::uint64_t* size) {
    LARGE_INTEGER stated{};
    if (::GetFileType(hFile) != FILE_TYPE_DISK || !::GetFileSizeEx(hFile, &stated) ||
        stated.QuadPart < 0 || static_cast<std::uint64_t>(stated.QuadPart) > kMaxPictureFileBytes) {
        return false;
    }
    *size = static_cast<std::uint64_t>(stated.QuadPart);
    return true;
}

// Fills [into, into + count) from the file. A read that fails or ends early must not pass for the
// whole file.
bool ReadExactly(HANDLE hFile, char* into, size_t count) {
    size_t done = 0;
    while (done < count) {
        DWORD got = 0;
        const auto chunk = static_cast<DWORD>(std::min<size_t>(count - done, kChunk));
        if (!::ReadFile(hFile, into + done, chunk, &got, nullptr) || got == 0) {
            return false;
        }
        done += got;
    }
    return true;
}

bool ReadAll(HANDLE hFile, std::string* bytes) {
    std::uint64_t size = 0;
    if (!PictureFileSize(hFile, &size)) {
        return false;
    }
    bytes->resize(static_cast<size_t>(size));
    return ReadExactly(hFile, &(*bytes)[0], bytes->size());
}

bool ReadPieces(HANDLE hFile, const std::function<bool(const char*, size_t)>& take) {
    std::uint64_t left = 0;
    if (!PictureFileSize(hFile, &left)) {
        return false;
    }
    std::string piece(kPieceBytes, '\0');
    while (left > 0) {
        const auto count = static_cast<size_t>(std::min<std::uint64_t>(left, kPieceBytes));
        if (!ReadExactly(hFile, &piece[0], count) || !take(piece.data(), count)) {
            return false;
        }
        left -= count;
    }
    return true;
}

// Shared for reading, writing and deleting: looking at a picture never blocks the recorder.
HANDLE OpenPictureFile(const wchar_t* path) {
    return ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

} // namespace

bool ReadPictureBytes(const wchar_t* path, std::string* bytes) {
    bytes->clear();
    HANDLE hFile = OpenPictureFile(path);
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

bool ReadPictureInPieces(const wchar_t* path,
                         const std::function<bool(const char* piece, size_t size)>& take) {
    HANDLE hFile = OpenPictureFile(path);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = ReadPieces(hFile, take);
    ::CloseHandle(hFile);
    return ok;
}
