#include "bitmap_check_button.h"

#include "bitmap_painting.h"
#include "frame_painting.h"
#include "placement.h"

IMPLEMENT_DYNAMIC(ABitmapCheckButton, ACheckButton)

namespace {

constexpr int kBevelWidth = 2;

} // namespace

ABitmapCheckButton::ABitmapCheckButton(CWnd* pControl, BOOL bAutoDelete, UINT nImageId,
                                       COLORREF clrFace)
    : ACheckButton(pControl, bAutoDelete), m_nImageId(nImageId), m_clrFace(clrFace) {}

void ABitmapCheckButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    int nBevel = ShowsChecked(m_nCheckState, m_nCheckedState) ? kSunkenBevel : kRaisedBevel;
    CRect face = DrawPanel(pDC, lpDrawItemStruct->rcItem, m_clrFace, nBevel, kNoBevel, kBevelWidth,
                           0, nullptr);
    DrawImage(pDC, face, m_nImageId, FALSE, kCentreHorizontally | kCentreVertically);
}
