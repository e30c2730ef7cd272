#include "staged_file.h"

namespace {

std::wstring FolderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

} // namespace

StagedFile::StagedFile(const std::wstring& target) : m_target(target) {
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
    HANDLE hFile = ::CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        m_error = ::GetLastError();
        return false;
    }
    DWORD written = 0;
    DWORD error = ERROR_SUCCESS;
    if (!::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        error = ::GetLastError();
    } else if (written != bytes.size()) {
        // A short write is the disk filling up.
        error = ERROR_DISK_FULL;
    } else if (!::FlushFileBuffers(hFile)) {
        error = ::GetLastError();
    }
    ::CloseHandle(hFile);
    m_error = error;
    return error == ERROR_SUCCESS;
}

bool StagedFile::Commit() {
    if (!::MoveFileExW(m_path.c_str(), m_target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        m_error = ::GetLastError();
        return false;
    }
    m_committed = true;
    return true;
}
