// The rectangle on the navigator thumbnail that marks the visible part of the picture. It can
// only be moved, and only inside the thumbnail.
#pragma once

#include "afx_tracker.h"

class NavigatorTracker : public CRectTracker {
  public:
    // Without bounds the rectangle may go anywhere in a 16-bit plane.
    NavigatorTracker(LPCRECT lpRect, UINT nStyle, LPCRECT lpBounds, int nHandleSize);

    CRect m_rcBounds;

    void AdjustRect(int nHandle, LPRECT lpRect) override;
    // Starts a move at the point; a press on a resize handle or off the rectangle does nothing.
    virtual BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo);
    virtual BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);
};
