// Memory device contexts that live for one drawing call and, when they go, select back what their
// working bitmap displaced before the context is deleted.
#pragma once

#include "afxwin.h"

// Text and query operations go to the output context unchanged.
class AOffscreenDC : public CDC {
  public:
    AOffscreenDC() = default;
    ~AOffscreenDC() override;

    // Attaches a new memory context compatible with the reference (the screen when null); throws
    // the resource exception when none can be made.
    void CreateCompatibleOrThrow(CDC* pReference);
    // Selects the bitmap to work on, remembering what it displaced.
    void SelectWorkingBitmap(CBitmap* pBitmap);

    BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
    BOOL RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }
    BOOL TextOut(int x, int y, const wchar_t* psz, int nCount) {
        return ::TextOutW(m_hDC, x, y, psz, nCount);
    }
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const wchar_t* psz, UINT nCount,
                    const int* lpDxWidths) {
        return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, psz, nCount, lpDxWidths);
    }
    // The extent comes packed in 16-bit halves; each is sign-extended.
    CSize TabbedTextOut(int x, int y, const wchar_t* psz, int nCount, int nTabPositions,
                        const int* lpnTabStopPositions, int nTabOrigin);
    int DrawText(const wchar_t* psz, int nCount, LPRECT lpRect, UINT nFormat) {
        return ::DrawTextW(m_hDC, psz, nCount, lpRect, nFormat);
    }
    BOOL GrayString(CBrush* pBrush, GRAYSTRINGPROC lpfnOutput, LPARAM lpData, int nCount, int x,
                    int y, int nWidth, int nHeight);
    int Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData) {
        return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
    }

    // What the working bitmap displaced; not owned, only its handle is used.
    CGdiObject* m_pPrevObject = nullptr;

  protected:
    void SelectPreviousObjectBack();
};

// Works on a bitmap that belongs to the caller and is never deleted here.
class ASharedBitmapDC : public AOffscreenDC {};

// Works on a bitmap of its own, deleted with the context.
class AOwnedBitmapDC : public AOffscreenDC {
  public:
    ~AOwnedBitmapDC() override;

    // Creates a monochrome bitmap of the size as the working bitmap and selects it; throws the
    // resource exception when it cannot be made.
    void CreateMonochromeBitmap(int nWidth, int nHeight);

    CBitmap m_bmpOwn;
};
