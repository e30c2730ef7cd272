#include "button_text.h"

void DrawButtonText(CDC* pDC, const RECT& rect, const CString& text, UINT nFormat) {
    if (text.IsEmpty()) {
        return;
    }
    CGdiObject* pOldFont = pDC->SelectStockObject(SYSTEM_FONT);
    pDC->SetBkMode(TRANSPARENT);
    CRect rc(rect);
    pDC->DrawText(text, -1, &rc, nFormat);
    pDC->SelectObject(pOldFont);
}
