#include "staged_file.h"

namespace {

StagedFile::MediumFault g_mediumFault = nullptr;

std::wstring FolderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

// Unbuffered reads go in whole sectors into sector-aligned memory; a page is both for any disk.
constexpr size_t kSectorUnit = 4096;

// The file as the medium holds it: read past the system's cache where the system allows that
// (not every file system does), through it where not.
HANDLE OpenOnMedium(const std::wstring& path) {
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        hFile = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return hFile;
}

// Whether the file holds exactly these bytes, read again from the medium.
bool HoldsExactly(const std::wstring& path, const std::string& bytes) {
    HANDLE hFile = OpenOnMedium(path);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    // One byte more than expected shows a file that is too long.
    const size_t asked = (bytes.size() + 1 + kSectorUnit - 1) / kSectorUnit * kSectorUnit;
    void* stored = ::VirtualAlloc(nullptr, asked, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD read = 0;
    bool ok =
        stored != nullptr && ::ReadFile(hFile, stored, static_cast<DWORD>(asked), &read, nullptr) &&
        read == bytes.size() && bytes.compare(0, read, static_cast<const char*>(stored), read) == 0;
    if (stored != nullptr) {
        ::VirtualFree(stored, 0, MEM_RELEASE);
    }
    ::CloseHandle(hFile);
    return ok;
}

// A scanner or indexer may hold a new or replaced file for a moment on Windows.
bool HeldForAMoment(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

constexpr DWORD kPatienceMs = 2000;
constexpr DWORD kRetryMs = 50;

bool IsReadOnlyFile(const std::wstring& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

void StagedFile::SetMediumFault(MediumFault fault) {
    g_mediumFault = fault;
}

StagedFile::StagedFile(const std::wstring& target) : m_target(target) {
    // Windows refuses to replace a read-only file and Wine does not: refused on both, before
    // anything is written beside it.
    if (IsReadOnlyFile(target)) {
        m_error = ERROR_ACCESS_DENIED;
        return;
    }
    wchar_t path[MAX_PATH] = L"";
    if (::GetTempFileNameW(FolderOf(target).c_str(), L"SV", 0, path) == 0) {
        m_error = ::GetLastError();
        return;
    }
    m_path = path;
}

StagedFile::~StagedFile() {
    if (Created() && !m_committed) {
        ::DeleteFileW(m_path.c_str());
    }
}

bool StagedFile::Write(const std::string& bytes) {
    std::string faulty = g_mediumFault != nullptr ? g_mediumFault(bytes) : std::string();
    const std::string& stored = g_mediumFault != nullptr ? faulty : bytes;
    HANDLE hFile = ::CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_FLAG_WRITE_THROUGH, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        m_error = ::GetLastError();
        return false;
    }
    DWORD written = 0;
    DWORD error = ERROR_SUCCESS;
    if (!::WriteFile(hFile, stored.data(), static_cast<DWORD>(stored.size()), &written, nullptr)) {
        error = ::GetLastError();
    } else if (written != stored.size()) {
        // A short write is the disk filling up.
        error = ERROR_DISK_FULL;
    } else if (!::FlushFileBuffers(hFile)) {
        error = ::GetLastError();
    }
    ::CloseHandle(hFile);
    if (error == ERROR_SUCCESS && !HoldsExactly(m_path, bytes)) {
        // The medium does not give back what was written to it.
        error = ERROR_CRC;
    }
    m_error = error;
    return error == ERROR_SUCCESS;
}

bool StagedFile::Commit() {
    DWORD start = ::GetTickCount();
    while (!::MoveFileExW(m_path.c_str(), m_target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        m_error = ::GetLastError();
        if (!HeldForAMoment(m_error) || ::GetTickCount() - start >= kPatienceMs) {
            return false;
        }
        ::Sleep(kRetryMs);
    }
    m_committed = true;
    return true;
}
