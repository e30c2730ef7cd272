// A text label on a sunken, black-framed background that keeps its own copy of its text and, on
// a text change, redraws only the text instead of the whole label. Create it with Create or take
// a dialog's static over with SubclassDlgItem; either way it starts without text, whatever the
// window's own text, until it is given one.
#pragma once

#include "afxwin.h"

class A3dStatic : public CStatic {
    DECLARE_DYNAMIC(A3dStatic)
  public:
    A3dStatic();

    // The text shown; WM_SETTEXT and WM_GETTEXT work on it, never on the window's own text.
    CString m_strText;
    // Delete the object when its window is gone.
    BOOL m_bAutoDelete = FALSE;
    // Where the text goes, in client coordinates.
    CRect m_rcText;
    // A text change repaints the whole label instead of redrawing the text.
    BOOL m_bRepaintOnTextChange = FALSE;
    UINT m_nTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    COLORREF m_clrText;
    COLORREF m_clrBackground;
    // No background, no frame and no text inset.
    BOOL m_bPlain = FALSE;

  protected:
    // Draws the text into the text area in the text colour.
    virtual void DrawContent(CDC* pDC);
    // Draws the text in the text colour over character cells of the given colour, so that the same
    // text drawn in the cells' colour leaves nothing of it.
    void DrawLabelText(CDC* pDC, const RECT& rect, COLORREF clrCells);

    void PreSubclassWindow() override;
    void PostNcDestroy() override;

    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

  private:
    void ResetTextRect();
};
