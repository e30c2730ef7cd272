#include "blink_check_box.h"

#include "blink_list.h"

BEGIN_MESSAGE_MAP(ABlinkCheckBox, ACheckButton)
ON_MESSAGE(BM_SETCHECK, OnSetCheck)
ON_WM_DESTROY()
END_MESSAGE_MAP()

bool ABlinkCheckBox::ShowsCheckedImage() const {
    return ABitmapCheckBox::ShowsCheckedImage() && !m_bBlinkPhase;
}

// The list follows every BM_SETCHECK, also one that leaves the state as it was.
LRESULT ABlinkCheckBox::OnSetCheck(WPARAM wParam, LPARAM lParam) {
    SetBlinking(this, wParam == m_nCheckedState);
    return ACheckButton::OnSetCheck(wParam, lParam);
}

void ABlinkCheckBox::OnDestroy() {
    SetBlinking(this, FALSE);
    CButton::OnDestroy();
}
