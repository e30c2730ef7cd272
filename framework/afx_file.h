// Unbuffered binary file over a Win32 handle; errors throw CFileException.
#pragma once

#include "afx_exception.h"

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
  public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
    };

    CFile() = default;
    CFile(const wchar_t* pszFileName, UINT nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Returns false and fills *pError (when given) instead of throwing.
    bool Open(const wchar_t* pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    UINT Read(void* pBuf, UINT nCount);
    void Write(const void* pBuf, UINT nCount);
    ULONGLONG GetLength() const;
    void Close();
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

    static void Remove(const wchar_t* pszFileName);

  private:
    [[noreturn]] void ThrowLastError() const;

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    CString m_strFileName;
};
