#include "afx_tracker.h"

#include "afx_dc.h"
#include "afx_wnd.h"

#include <cstdlib>

namespace {

// Where each handle square sits: which edges it starts from, whether it is centred along an
// edge, and whether it lies inside the edge (-1) or on it (0).
struct HandleInfo {
    bool fromRight;
    bool fromBottom;
    int centerX;
    int centerY;
    int insideX;
    int insideY;
};

const HandleInfo kHandles[8] = {
    {false, false, 0, 0, 0, 0}, {true, false, 0, 0, -1, 0}, {true, true, 0, 0, -1, -1},
    {false, true, 0, 0, 0, -1}, {false, false, 1, 0, 0, 0}, {true, false, 0, 1, -1, 0},
    {false, true, 1, 0, 0, -1}, {false, false, 0, 1, 0, 0},
};

bool HasLineStyle(UINT nStyle) {
    return (nStyle & (CRectTracker::solidLine | CRectTracker::dottedLine)) != 0;
}

// An outline drawn by inverting the screen, so drawing it twice takes it away again.
void InvertFrame(CDC* pDC, const CRect& rect) {
    if (rect.IsRectEmpty()) {
        return;
    }
    pDC->PatBlt(rect.left, rect.top, rect.Width(), 1, DSTINVERT);
    pDC->PatBlt(rect.left, rect.bottom - 1, rect.Width(), 1, DSTINVERT);
    pDC->PatBlt(rect.left, rect.top + 1, 1, rect.Height() - 2, DSTINVERT);
    pDC->PatBlt(rect.right - 1, rect.top + 1, 1, rect.Height() - 2, DSTINVERT);
}

} // namespace

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const {
    CRect rect = m_rect;
    rect.NormalizeRect();
    int nInflateBy = 0;
    if ((m_nStyle & (resizeOutside | hatchedBorder)) != 0) {
        nInflateBy += GetHandleSize() - 1;
    }
    if (HasLineStyle(m_nStyle)) {
        ++nInflateBy;
    }
    rect.InflateRect(nInflateBy, nInflateBy);
    *lpTrueRect = rect;
}

int CRectTracker::HitTest(CPoint point) const {
    CRect rectTrue;
    GetTrueRect(&rectTrue);
    if (!rectTrue.PtInRect(point)) {
        return hitNothing;
    }
    if ((m_nStyle & (resizeInside | resizeOutside)) != 0) {
        return HitTestHandles(point);
    }
    return hitMiddle;
}

int CRectTracker::HitTestHandles(CPoint point) const {
    CRect rectTrue;
    GetTrueRect(&rectTrue);
    if (!rectTrue.PtInRect(point)) {
        return hitNothing;
    }
    UINT mask = GetHandleMask();
    for (int i = 0; i < 8; ++i) {
        CRect handle;
        if ((mask & (1u << i)) != 0) {
            GetHandleRect(i, &handle);
            if (handle.PtInRect(point)) {
                return i;
            }
        }
    }
    return hitMiddle;
}

void CRectTracker::GetHandleRect(int nHandle, CRect* pHandleRect) const {
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (HasLineStyle(m_nStyle)) {
        rect.InflateRect(1, 1);
    }
    int size = GetHandleSize();
    if ((m_nStyle & resizeOutside) != 0) {
        rect.InflateRect(size - 1, size - 1);
    }
    const HandleInfo& info = kHandles[nHandle];
    int left = (info.fromRight ? rect.right : rect.left) + size * info.insideX +
               info.centerX * (rect.Width() - size) / 2;
    int top = (info.fromBottom ? rect.bottom : rect.top) + size * info.insideY +
              info.centerY * (rect.Height() - size) / 2;
    pHandleRect->SetRect(left, top, left + size, top + size);
}

UINT CRectTracker::GetHandleMask() const {
    // The corners always; the edge middles only where they leave room between the corners.
    UINT mask = 0x0F;
    int size = m_nHandleSize * 3;
    if (std::abs(m_rect.Width()) - size > 4) {
        mask |= 0x50;
    }
    if (std::abs(m_rect.Height()) - size > 4) {
        mask |= 0xA0;
    }
    return mask;
}

int CRectTracker::GetHandleSize(LPCRECT) const {
    return m_nHandleSize;
}

void CRectTracker::AdjustRect(int, LPRECT) {}

void CRectTracker::OnChangedRect(const CRect&) {}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) {
    CRect rect = *lpRect;
    rect.NormalizeRect();
    if (pWndClipTo != nullptr) {
        pWnd->ClientToScreen(&rect);
        pWndClipTo->ScreenToClient(&rect);
    }
    InvertFrame(pDC, m_rectLast);
    m_rectLast.SetRectEmpty();
    if (!m_bFinalErase && !m_bErase) {
        InvertFrame(pDC, rect);
        m_rectLast = rect;
    }
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo) {
    int nHandle = HitTest(point);
    if (nHandle < 0) {
        return FALSE;
    }
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(nHandle, pWnd, point, pWndClipTo);
}

void CRectTracker::GetModifyPointers(int nHandle, LONG** ppx, LONG** ppy, LONG* px, LONG* py) {
    if (nHandle == hitMiddle) {
        nHandle = hitTopLeft;
    }
    const HandleInfo& info = kHandles[nHandle];
    *ppx = info.centerX != 0 ? nullptr : (info.fromRight ? &m_rect.right : &m_rect.left);
    *ppy = info.centerY != 0 ? nullptr : (info.fromBottom ? &m_rect.bottom : &m_rect.top);
    *px = *ppx != nullptr ? **ppx : 0;
    *py = *ppy != nullptr ? **ppy : 0;
}

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo) {
    if (::GetCapture() != nullptr) {
        return FALSE;
    }
    int nWidth = m_rect.Width();
    int nHeight = m_rect.Height();
    ::SetCapture(pWnd->m_hWnd);
    pWnd->UpdateWindow();
    CRect rectSave = m_rect;
    LONG* px = nullptr;
    LONG* py = nullptr;
    LONG xDiff = 0;
    LONG yDiff = 0;
    GetModifyPointers(nHandle, &px, &py, &xDiff, &yDiff);
    xDiff = point.x - xDiff;
    yDiff = point.y - yDiff;

    CClientDC drawDC(pWndClipTo != nullptr ? pWndClipTo : pWnd);
    bool bMoved = false;
    bool bDone = false;
    while (!bDone) {
        MSG msg;
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (::GetCapture() != pWnd->m_hWnd) {
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE: {
            CRect rectOld = m_rect;
            CPoint at(msg.lParam);
            if (px != nullptr) {
                *px = at.x - xDiff;
            }
            if (py != nullptr) {
                *py = at.y - yDiff;
            }
            if (nHandle == hitMiddle) {
                m_rect.right = m_rect.left + nWidth;
                m_rect.bottom = m_rect.top + nHeight;
            }
            AdjustRect(nHandle, &m_rect);
            m_bFinalErase = msg.message == WM_LBUTTONUP;
            if (rectOld != m_rect || m_bFinalErase) {
                if (bMoved) {
                    m_bErase = TRUE;
                    DrawTrackerRect(&rectOld, pWndClipTo, &drawDC, pWnd);
                }
                OnChangedRect(rectOld);
                if (msg.message != WM_LBUTTONUP) {
                    bMoved = true;
                }
            }
            if (m_bFinalErase) {
                bDone = true;
            } else if (rectOld != m_rect) {
                m_bErase = FALSE;
                DrawTrackerRect(&m_rect, pWndClipTo, &drawDC, pWnd);
            }
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam != VK_ESCAPE) {
                break;
            }
            [[fallthrough]];
        case WM_RBUTTONDOWN:
            if (bMoved) {
                m_bErase = m_bFinalErase = TRUE;
                DrawTrackerRect(&m_rect, pWndClipTo, &drawDC, pWnd);
            }
            m_rect = rectSave;
            bDone = true;
            break;
        default:
            ::DispatchMessageW(&msg);
            break;
        }
    }
    ::ReleaseCapture();
    if (!bMoved) {
        m_rect = rectSave;
    }
    m_bFinalErase = FALSE;
    m_bErase = FALSE;
    return rectSave != m_rect;
}
