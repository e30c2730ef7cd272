#include "afx_dc.h"

#include "afx_exception.h"
#include "afx_handle_map.h"
#include "afx_wnd.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {

CHandleMap<CDC, HDC>& DcMap() {
    static CHandleMap<CDC, HDC> map(&CDC::m_hDC);
    return map;
}

} // namespace

CDC::~CDC() {
    if (m_hDC != nullptr) {
        DeleteDC();
    }
}

CDC* CDC::FromHandle(HDC hDC) {
    return DcMap().FromHandle(hDC);
}

void CDC::DeleteTempMap() {
    DcMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC) {
    if (hDC == nullptr || m_hDC != nullptr) {
        return FALSE;
    }
    m_hDC = hDC;
    DcMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC != nullptr) {
        DcMap().RemoveHandle(hDC);
    }
    m_hDC = nullptr;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    HDC hDC = Detach();
    return hDC != nullptr && ::DeleteDC(hDC);
}

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject) {
    if (hObject == nullptr) {
        return nullptr;
    }
    return CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF clr) {
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CPoint CDC::MoveTo(int x, int y) {
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

CSize CDC::GetTextExtent(const wchar_t* psz, int nCount) const {
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, psz, nCount, &size);
    return CSize(size.cx, size.cy);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) {
    if (!Attach(::BeginPaint(m_hWnd, &m_ps))) {
        AfxThrowResourceException();
    }
}

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
    if (!Attach(::GetDC(m_hWnd))) {
        AfxThrowResourceException();
    }
}

CClientDC::~CClientDC() {
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
    if (!Attach(::GetWindowDC(m_hWnd))) {
        AfxThrowResourceException();
    }
}

CWindowDC::~CWindowDC() {
    ::ReleaseDC(m_hWnd, Detach());
}
