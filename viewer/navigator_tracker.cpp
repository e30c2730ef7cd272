#include "navigator_tracker.h"

#include "navigator_bounds.h"

NavigatorTracker::NavigatorTracker(LPCRECT lpRect, UINT nStyle, LPCRECT lpBounds, int nHandleSize)
    : CRectTracker(lpRect, nStyle),
      m_rcBounds(lpBounds != nullptr ? CRect(*lpBounds) : CRect(0, 0, 32767, 32767)) {
    m_nHandleSize = nHandleSize;
}

void NavigatorTracker::AdjustRect(int nHandle, LPRECT lpRect) {
    IntRect kept = KeptInsideBounds(
        {lpRect->left, lpRect->top, lpRect->right, lpRect->bottom},
        {m_rcBounds.left, m_rcBounds.top, m_rcBounds.right, m_rcBounds.bottom}, nHandle);
    *lpRect = CRect(kept.left, kept.top, kept.right, kept.bottom);
}

BOOL NavigatorTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo) {
    int hit = HitTestHandles(point);
    if (hit < 0) {
        return FALSE;
    }
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(hit, pWnd, point, pWndClipTo);
}

BOOL NavigatorTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo) {
    if (nHandle != hitMiddle) {
        return FALSE;
    }
    return CRectTracker::TrackHandle(nHandle, pWnd, point, pWndClipTo);
}
