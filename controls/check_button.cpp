#include "check_button.h"

#include "button_release.h"

IMPLEMENT_DYNAMIC(ACheckButton, CButton)

BEGIN_MESSAGE_MAP(ACheckButton, CWnd)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(BM_GETCHECK, OnGetCheck)
ON_MESSAGE(BM_SETCHECK, OnSetCheck)
ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

HWND PreviousSibling(HWND hWnd) {
    return ::GetWindow(hWnd, GW_HWNDPREV);
}

HWND NextSibling(HWND hWnd) {
    return ::GetWindow(hWnd, GW_HWNDNEXT);
}

// A window without an object of the family is never a radio button of the group.
RadioSibling DescribeSibling(HWND hWnd) {
    auto* pButton = DYNAMIC_DOWNCAST(ACheckButton, CWnd::FromHandle(hWnd));
    bool isRadio = pButton != nullptr && pButton->m_nKind == kRadioKind;
    return {isRadio, isRadio && pButton->m_nCheckState != kUnchecked,
            (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_GROUP) != 0};
}

} // namespace

ACheckButton::ACheckButton(CWnd* pControl, BOOL bAutoDelete) {
    SubclassControl(pControl, bAutoDelete);
}

BOOL ACheckButton::SubclassControl(CWnd* pControl, BOOL bAutoDelete) {
    if (pControl == nullptr) {
        return FALSE;
    }
    m_bAutoDelete = bAutoDelete;
    m_nCheckState = static_cast<UINT>(pControl->SendMessage(BM_GETCHECK));
    if (!SubclassWindow(pControl->m_hWnd)) {
        return FALSE;
    }
    if (std::optional<int> kind = KindOfWindowStyle(GetStyle())) {
        m_nKind = *kind;
    }
    // The system control keeps drawing through the parent from now on, and no other style
    // reaches it.
    SendMessage(BM_SETSTYLE, BS_OWNERDRAW, FALSE);
    return TRUE;
}

WNDPROC* ACheckButton::GetSuperWndProcAddr() {
    static WNDPROC s_pfnSuper = nullptr;
    return &s_pfnSuper;
}

void ACheckButton::PostNcDestroy() {
    CButton::PostNcDestroy();
    if (m_bAutoDelete) {
        delete this;
    }
}

void ACheckButton::OnKeyDown(UINT nChar, UINT, UINT) {
    if (nChar == VK_SPACE) {
        SetCheckIfAny(CheckOnPress(m_nKind));
    }
    Default();
}

void ACheckButton::OnKeyUp(UINT nChar, UINT, UINT) {
    if (nChar == VK_SPACE) {
        SetCheckIfAny(CheckOnSpaceRelease(m_nKind, GetCheck()));
    }
    Default();
}

void ACheckButton::OnLButtonDown(UINT, CPoint) {
    m_bMousePressed = TRUE;
    SetCheckIfAny(CheckOnPress(m_nKind));
    Default();
}

void ACheckButton::OnLButtonUp(UINT, CPoint point) {
    if (m_bMousePressed) {
        CRect client;
        GetClientRect(&client);
        SetCheckIfAny(CheckOnMouseRelease(m_nKind, GetCheck(), client.PtInRect(point)));
    }
    HWND hWnd = m_hWnd;
    Default();
    EndPressAfterRelease(this, hWnd, point);
}

void ACheckButton::OnLButtonDblClk(UINT nFlags, CPoint point) {
    // An owner-drawn system button only reports a double click; make it a second press too.
    HWND hWnd = m_hWnd;
    Default();
    PressAgainAfterDoubleClick(hWnd, nFlags, point);
}

LRESULT ACheckButton::OnGetCheck(WPARAM, LPARAM) {
    return m_nCheckState;
}

LRESULT ACheckButton::OnSetCheck(WPARAM wParam, LPARAM) {
    UINT nState = static_cast<UINT>(wParam);
    if (nState == m_nCheckState) {
        return 0;
    }
    m_nCheckState = nState;
    Invalidate(FALSE);
    if (UnchecksRadioSibling(m_nKind, nState)) {
        UncheckRadioSibling();
    }
    OnCheckChanged();
    return 0;
}

LRESULT ACheckButton::OnSetStyle(WPARAM wParam, LPARAM) {
    if (wParam == BS_OWNERDRAW) {
        return Default();
    }
    if (std::optional<int> kind = KindOfButtonType(wParam)) {
        m_nKind = *kind;
    }
    return 0;
}

BOOL ACheckButton::OnEraseBkgnd(CDC*) {
    return FALSE;
}

void ACheckButton::SetCheckIfAny(std::optional<unsigned> state) {
    if (state) {
        SendMessage(BM_SETCHECK, *state);
    }
}

// Siblings are changed directly: they call no OnCheckChanged and notify no parent.
void ACheckButton::UncheckRadioSibling() {
    HWND hFound =
        FindSiblingToUncheck(m_hWnd, WalkDirection::kBackward, PreviousSibling, DescribeSibling);
    if (hFound == nullptr) {
        hFound =
            FindSiblingToUncheck(m_hWnd, WalkDirection::kForward, NextSibling, DescribeSibling);
    }
    if (hFound != nullptr) {
        auto* pSibling = static_cast<ACheckButton*>(CWnd::FromHandle(hFound));
        pSibling->m_nCheckState = kUnchecked;
        pSibling->Invalidate(FALSE);
    }
}
