// The framework's string: a wide-character value type with Format and LoadString.
#pragma once

#include <windows.h>

#include <string>

class CString {
  public:
    CString() = default;
    CString(const wchar_t* psz) : m_str(psz != nullptr ? psz : L"") {}
    CString(const wchar_t* pch, int nLength) : m_str(pch, static_cast<size_t>(nLength)) {}
    // Narrow text is in the system's ANSI code page, as the platform's A functions give it.
    explicit CString(const char* psz);
    CString(wchar_t ch, int nRepeat = 1) : m_str(static_cast<size_t>(nRepeat), ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }
    operator const wchar_t*() const { return m_str.c_str(); }

    CString& operator=(const wchar_t* psz);
    CString& operator+=(const CString& s);
    CString& operator+=(const wchar_t* psz);
    CString& operator+=(wchar_t ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const wchar_t* b);
    friend CString operator+(const wchar_t* a, const CString& b);
    bool operator==(const wchar_t* psz) const { return m_str == (psz != nullptr ? psz : L""); }
    bool operator!=(const wchar_t* psz) const { return !(*this == psz); }
    bool operator==(const CString& s) const { return m_str == s.m_str; }
    bool operator!=(const CString& s) const { return m_str != s.m_str; }

    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(const wchar_t* pszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst, int nCount = -1) const;
    void MakeUpper();
    void TrimLeft();
    void TrimRight();

    void Format(const wchar_t* pszFormat, ...);
    void FormatV(const wchar_t* pszFormat, va_list args);
    // Loads from the string table in the user's language; false if the id is missing.
    bool LoadString(UINT nID);

    // Direct access for Win32 calls that fill a buffer; ReleaseBuffer trims at the terminator.
    wchar_t* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

  private:
    std::wstring m_str;
};
