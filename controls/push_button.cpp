#include "push_button.h"

#include "button_text.h"
#include "push_face.h"

// Listed under the system button, not under the press-tracking root it is built on.
IMPLEMENT_DYNAMIC(APushButton, CButton)

void APushButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    DrawFaceContent(pDC, DrawPushFace(pDC, *lpDrawItemStruct, FaceColor()));
}

void APushButton::PreSubclassWindow() {
    MakeButtonOwnerDrawn(this);
}

COLORREF APushButton::FaceColor() const {
    return ::GetSysColor(COLOR_BTNFACE);
}

void APushButton::DrawFaceContent(CDC* pDC, const CRect& rcFace) {
    DrawButtonText(pDC, rcFace, GetWindowText(), kCentredCaption);
}
