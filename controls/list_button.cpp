#include "list_button.h"

#include "list_ring.h"

IMPLEMENT_DYNAMIC(AListButton, CButton)

BEGIN_MESSAGE_MAP(AListButton, CWnd)
ON_WM_LBUTTONUP()
ON_WM_KEYUP()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

AListButton::~AListButton() {
    DeleteEntries();
}

// The button deletes each entry once, so one already listed is not taken again.
BOOL AListButton::AddEntry(AListEntry* pEntry) {
    if (m_listEntries.Find(pEntry) != nullptr) {
        return FALSE;
    }
    m_listEntries.AddTail(pEntry);
    if (m_listEntries.GetCount() == 1) {
        ShowCurrent();
    }
    return TRUE;
}

AListEntry* AListButton::AddEntry(const wchar_t* pszCaption, DWORD dwData) {
    auto* pEntry = new AListEntry(dwData, pszCaption);
    AddEntry(pEntry);
    return pEntry;
}

void AListButton::RemoveAllEntries() {
    DeleteEntries();
    ShowCurrent();
}

void AListButton::DeleteEntries() {
    while (!m_listEntries.IsEmpty()) {
        delete m_listEntries.RemoveHead();
    }
}

AListEntry* AListButton::GetCurrentEntry() const {
    return m_listEntries.IsEmpty() ? nullptr : static_cast<AListEntry*>(m_listEntries.GetHead());
}

// An object without a window keeps its entries and shows nothing until it has one.
void AListButton::ShowCurrent() {
    if (m_hWnd == nullptr) {
        return;
    }
    AListEntry* pEntry = GetCurrentEntry();
    SetWindowText(pEntry != nullptr ? static_cast<const wchar_t*>(pEntry->m_strCaption) : L"");
}

void AListButton::StepForward() {
    StepRingForward(m_listEntries);
    ShowCurrent();
}

void AListButton::StepBack() {
    StepRingBack(m_listEntries);
    ShowCurrent();
}

// A window made or taken over shows the entry already current.
void AListButton::PreSubclassWindow() {
    ShowCurrent();
}

void AListButton::PostNcDestroy() {
    CButton::PostNcDestroy();
    if (m_bAutoDelete) {
        delete this;
    }
}

// The caption changes before the system button reports the click, so the parent sees the new one.
void AListButton::OnLButtonUp(UINT, CPoint) {
    StepForward();
    Default();
}

void AListButton::OnKeyUp(UINT nChar, UINT, UINT) {
    switch (RingStepForKey(nChar)) {
    case RingStep::kForward:
        StepForward();
        break;
    case RingStep::kBack:
        StepBack();
        break;
    case RingStep::kNone:
        break;
    }
    Default();
}

// The system button does not report right clicks; the parent hears of it as a click, posted so
// that it arrives after the caption has changed.
void AListButton::OnRButtonUp(UINT, CPoint) {
    StepBack();
    HWND hWnd = m_hWnd;
    HWND hParent = ::GetParent(hWnd);
    int nID = GetDlgCtrlID();
    Default();
    if (hParent != nullptr) {
        ::PostMessageW(hParent, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                       reinterpret_cast<LPARAM>(hWnd));
    }
}
