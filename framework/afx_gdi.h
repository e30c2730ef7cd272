// GDI object wrappers: each owns its handle and deletes it when destroyed.
#pragma once

#include "afx_object.h"

#include <windows.h>

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
  public:
    CGdiObject() = default;
    ~CGdiObject() override { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    int GetObject(int nCount, void* pObject) const {
        return ::GetObjectW(m_hObject, nCount, pObject);
    }
};

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
  public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF clr);
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF clr) {
        return Attach(::CreatePen(nPenStyle, nWidth, clr));
    }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
  public:
    CBrush() = default;
    explicit CBrush(COLORREF clr);
    BOOL CreateSolidBrush(COLORREF clr) { return Attach(::CreateSolidBrush(clr)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
  public:
    BOOL CreateFontIndirect(const LOGFONTW* pLogFont) {
        return Attach(::CreateFontIndirectW(pLogFont));
    }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    const wchar_t* pszFacename);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CDC;

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
  public:
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
