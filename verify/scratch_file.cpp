#include "scratch_file.h"

ScratchFile::ScratchFile() {
    wchar_t folder[MAX_PATH] = L"";
    wchar_t path[MAX_PATH] = L"";
    if (::GetTempPathW(MAX_PATH, folder) > 0 && ::GetTempFileNameW(folder, L"SVV", 0, path)) {
        m_path = path;
    }
}

ScratchFile::~ScratchFile() {
    if (!m_path.empty()) {
        ::DeleteFileW(m_path.c_str());
    }
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool ok =
        ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    ::CloseHandle(hFile);
    return ok;
}
