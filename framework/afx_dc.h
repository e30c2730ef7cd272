// Device contexts: CDC wraps an HDC; CPaintDC, CClientDC and CWindowDC acquire and release one
// for a window over their lifetime.
#pragma once

#include "afx_gdi.h"
#include "afx_types.h"

class CWnd;

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
  public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();

    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Returns the object it displaced, as a framework object (temporary if nobody owns it).
    CGdiObject* SelectObject(CGdiObject* pObject) { return SelectGdiObject(pObject->m_hObject); }
    CGdiObject* SelectStockObject(int nIndex) { return SelectGdiObject(::GetStockObject(nIndex)); }

    BOOL PatBlt(int x, int y, int w, int h, DWORD dwRop) {
        return ::PatBlt(m_hDC, x, y, w, h, dwRop);
    }
    BOOL BitBlt(int x, int y, int w, int h, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
        return ::BitBlt(m_hDC, x, y, w, h, pSrcDC->m_hDC, xSrc, ySrc, dwRop);
    }
    BOOL StretchBlt(int x, int y, int w, int h, CDC* pSrcDC, int xSrc, int ySrc, int wSrc, int hSrc,
                    DWORD dwRop) {
        return ::StretchBlt(m_hDC, x, y, w, h, pSrcDC->m_hDC, xSrc, ySrc, wSrc, hSrc, dwRop);
    }
    void FillRect(LPCRECT rect, CBrush* pBrush) { ::FillRect(m_hDC, rect, *pBrush); }
    void FillSolidRect(LPCRECT rect, COLORREF clr);
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF clr) { return ::SetPixel(m_hDC, x, y, clr); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

    BOOL TextOut(int x, int y, const wchar_t* psz, int nCount) {
        return ::TextOutW(m_hDC, x, y, psz, nCount);
    }
    int DrawText(const wchar_t* psz, int nCount, LPRECT rect, UINT nFormat) {
        return ::DrawTextW(m_hDC, psz, nCount, rect, nFormat);
    }
    CSize GetTextExtent(const wchar_t* psz, int nCount) const;
    COLORREF SetTextColor(COLORREF clr) { return ::SetTextColor(m_hDC, clr); }
    COLORREF SetBkColor(COLORREF clr) { return ::SetBkColor(m_hDC, clr); }
    int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

    int StartDoc(const DOCINFOW* pDocInfo) { return ::StartDocW(m_hDC, pDocInfo); }
    int StartPage() { return ::StartPage(m_hDC); }
    int EndPage() { return ::EndPage(m_hDC); }
    int EndDoc() { return ::EndDoc(m_hDC); }
    int AbortDoc() { return ::AbortDoc(m_hDC); }

  private:
    CGdiObject* SelectGdiObject(HGDIOBJ hObject);
};

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
  public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

  private:
    HWND m_hWnd;
};

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
  public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

  private:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
  public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

  private:
    HWND m_hWnd;
};
