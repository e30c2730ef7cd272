#include "check_button_3d.h"

#include "button_text.h"
#include "frame_painting.h"

IMPLEMENT_DYNAMIC(A3DCheckButton, ACheckButton)

BEGIN_MESSAGE_MAP(A3DCheckButton, ACheckButton)
END_MESSAGE_MAP()

A3DCheckButton::A3DCheckButton(CWnd* pControl, BOOL bAutoDelete, COLORREF clrFace, int nBevelWidth)
    : ACheckButton(pControl, bAutoDelete), m_clrFace(clrFace), m_nBevelWidth(nBevelWidth) {}

void A3DCheckButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    int nBevel = ShowsChecked(m_nCheckState, m_nCheckedState) ? kSunkenBevel : kRaisedBevel;
    CRect face = DrawPanel(pDC, lpDrawItemStruct->rcItem, m_clrFace, nBevel, kNoBevel,
                           m_nBevelWidth, 0, nullptr);
    DrawButtonText(pDC, face, GetWindowText(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
