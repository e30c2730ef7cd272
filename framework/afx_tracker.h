// A rectangle the user can move or resize with the mouse, drawn as an outline while it moves.
#pragma once

#include "afx_types.h"

class CDC;
class CWnd;

class CRectTracker {
  public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker() = default;
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : m_rect(*lpSrcRect), m_nStyle(nStyle) {}
    virtual ~CRectTracker() = default;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 4;
    BOOL m_bAllowInvert = FALSE;

    // The rectangle with the border its style draws (one pixel for a line style).
    void GetTrueRect(LPRECT lpTrueRect) const;
    // hitMiddle inside the true rectangle (a handle number if the style has resize handles),
    // hitNothing outside.
    int HitTest(CPoint point) const;
    // Which handle square holds the point whatever the style, else hitMiddle inside the true
    // rectangle, else hitNothing.
    int HitTestHandles(CPoint point) const;
    // Tracks a press at the point until the button is released; TRUE if the rectangle moved.
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr);

    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    virtual void OnChangedRect(const CRect& rectOld);
    virtual UINT GetHandleMask() const;
    virtual int GetHandleSize(LPCRECT lpRect = nullptr) const;

  protected:
    // The capture loop: follows the mouse, cancels on Esc or the right button.
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);
    void GetHandleRect(int nHandle, CRect* pHandleRect) const;

  private:
    // Points at the edges a handle moves; a move drags the top-left corner.
    void GetModifyPointers(int nHandle, LONG** ppx, LONG** ppy, LONG* px, LONG* py);

    BOOL m_bErase = FALSE;
    BOOL m_bFinalErase = FALSE;
    CRect m_rectLast;
};
