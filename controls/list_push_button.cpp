#include "list_push_button.h"

#include "button_text.h"
#include "push_face.h"

IMPLEMENT_DYNAMIC(AListPushButton, AListButton)

void AListPushButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcFace = DrawPushFace(pDC, *lpDrawItemStruct, ::GetSysColor(COLOR_BTNFACE));
    DrawButtonText(pDC, rcFace, GetWindowText(), kCentredCaption);
}

void AListPushButton::PreSubclassWindow() {
    MakeButtonOwnerDrawn(this);
    AListButton::PreSubclassWindow();
}
