#include "color_push_button.h"

IMPLEMENT_DYNAMIC(AColorPushButton, APushButton)

void AColorPushButton::DrawFaceContent(CDC* pDC, const CRect& rcFace) {
    COLORREF clrOld = pDC->SetTextColor(m_clrText);
    APushButton::DrawFaceContent(pDC, rcFace);
    pDC->SetTextColor(clrOld);
}
