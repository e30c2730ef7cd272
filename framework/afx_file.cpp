#include "afx_file.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile(const wchar_t* pszFileName, UINT nOpenFlags) {
    CFileException error;
    if (!Open(pszFileName, nOpenFlags, &error)) {
        AfxThrowFileException(error.m_cause, error.m_lOsError, pszFileName);
    }
}

CFile::~CFile() {
    if (IsOpen()) {
        CloseHandle(m_hFile);
    }
}

bool CFile::Open(const wchar_t* pszFileName, UINT nOpenFlags, CFileException* pError) {
    DWORD access = GENERIC_READ;
    if ((nOpenFlags & 3) == modeWrite) {
        access = GENERIC_WRITE;
    } else if ((nOpenFlags & 3) == modeReadWrite) {
        access = GENERIC_READ | GENERIC_WRITE;
    }
    DWORD share = (nOpenFlags & shareDenyNone) ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    DWORD disposition = (nOpenFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    m_hFile = CreateFileW(pszFileName, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                          nullptr);
    m_strFileName = pszFileName;
    if (IsOpen()) {
        return true;
    }
    if (pError != nullptr) {
        LONG err = static_cast<LONG>(GetLastError());
        *pError = CFileException(CFileException::OsErrorToException(err), err, pszFileName);
    }
    return false;
}

UINT CFile::Read(void* pBuf, UINT nCount) {
    DWORD nRead = 0;
    if (!ReadFile(m_hFile, pBuf, nCount, &nRead, nullptr)) {
        ThrowLastError();
    }
    return nRead;
}

void CFile::Write(const void* pBuf, UINT nCount) {
    DWORD nWritten = 0;
    if (!WriteFile(m_hFile, pBuf, nCount, &nWritten, nullptr)) {
        ThrowLastError();
    }
    if (nWritten != nCount) {
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
    }
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(m_hFile, &size)) {
        ThrowLastError();
    }
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::Close() {
    if (IsOpen() && !CloseHandle(m_hFile)) {
        m_hFile = INVALID_HANDLE_VALUE;
        ThrowLastError();
    }
    m_hFile = INVALID_HANDLE_VALUE;
}

void CFile::Remove(const wchar_t* pszFileName) {
    if (!DeleteFileW(pszFileName)) {
        LONG err = static_cast<LONG>(GetLastError());
        AfxThrowFileException(CFileException::OsErrorToException(err), err, pszFileName);
    }
}

void CFile::ThrowLastError() const {
    LONG err = static_cast<LONG>(GetLastError());
    AfxThrowFileException(CFileException::OsErrorToException(err), err, m_strFileName);
}
