#include "afx_string.h"

#include "afx_app.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>

namespace {

std::wstring WidenAnsi(const char* psz) {
    if (psz == nullptr || *psz == '\0') {
        return std::wstring();
    }
    int n = MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, psz, -1, &out[0], n);
    out.resize(wcslen(out.c_str()));
    return out;
}

bool IsBlank(wchar_t ch) {
    return iswspace(ch) != 0;
}

} // namespace

CString::CString(const char* psz) : m_str(WidenAnsi(psz)) {}

CString& CString::operator=(const wchar_t* psz) {
    m_str = psz != nullptr ? psz : L"";
    return *this;
}

CString& CString::operator+=(const CString& s) {
    m_str += s.m_str;
    return *this;
}

CString& CString::operator+=(const wchar_t* psz) {
    if (psz != nullptr) {
        m_str += psz;
    }
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const wchar_t* b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const wchar_t* a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

int CString::Compare(const wchar_t* psz) const {
    return wcscmp(m_str.c_str(), psz);
}

int CString::CompareNoCase(const wchar_t* psz) const {
    return _wcsicmp(m_str.c_str(), psz);
}

int CString::Find(wchar_t ch, int nStart) const {
    if (nStart < 0 || nStart > GetLength()) {
        return -1;
    }
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* pszSub, int nStart) const {
    if (nStart < 0 || nStart > GetLength()) {
        return -1;
    }
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
    size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.c_str(), nCount);
}

CString CString::Right(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.c_str() + GetLength() - nCount, nCount);
}

CString CString::Mid(int nFirst, int nCount) const {
    nFirst = std::clamp(nFirst, 0, GetLength());
    int available = GetLength() - nFirst;
    nCount = nCount < 0 ? available : std::min(nCount, available);
    return CString(m_str.c_str() + nFirst, nCount);
}

void CString::MakeUpper() {
    if (!m_str.empty()) {
        CharUpperBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    }
}

void CString::TrimLeft() {
    auto first = std::find_if_not(m_str.begin(), m_str.end(), IsBlank);
    m_str.erase(m_str.begin(), first);
}

void CString::TrimRight() {
    auto last = std::find_if_not(m_str.rbegin(), m_str.rend(), IsBlank);
    m_str.erase(last.base(), m_str.end());
}

void CString::Format(const wchar_t* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const wchar_t* pszFormat, va_list args) {
    va_list measure;
    va_copy(measure, args);
    int n = _vscwprintf(pszFormat, measure);
    va_end(measure);
    if (n < 0) {
        m_str.clear();
        return;
    }
    std::wstring out(static_cast<size_t>(n) + 1, L'\0');
    _vsnwprintf(&out[0], out.size(), pszFormat, args);
    out.resize(static_cast<size_t>(n));
    m_str.swap(out);
}

bool CString::LoadString(UINT nID) {
    const wchar_t* pRes = nullptr;
    // Length 0 asks for a read-only pointer into the resource, so no text is ever truncated.
    int n = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pRes), 0);
    if (n <= 0 || pRes == nullptr) {
        m_str.clear();
        return false;
    }
    m_str.assign(pRes, static_cast<size_t>(n));
    return true;
}

wchar_t* CString::GetBuffer(int nMinBufLength) {
    if (static_cast<int>(m_str.size()) < nMinBufLength) {
        m_str.resize(static_cast<size_t>(nMinBufLength));
    }
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) {
        nNewLength = static_cast<int>(wcslen(m_str.c_str()));
    }
    m_str.resize(static_cast<size_t>(nNewLength));
}
