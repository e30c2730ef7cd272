// The framework's exceptions, thrown by pointer and released with Delete().
#pragma once

#include "afx_object.h"
#include "afx_string.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
  public:
    void Delete() { delete this; }
};

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
  public:
    enum { none = 0, genericException, fileNotFound, badPath, accessDenied, diskFull, endOfFile };

    CFileException(int cause = none, LONG lOsError = -1, const wchar_t* pszFileName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName) {}

    static int OsErrorToException(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError, const wchar_t* pszFileName);
