#include "push_face.h"

#include "frame_painting.h"

namespace {

constexpr int kBevelWidth = 2;

} // namespace

void MakeButtonOwnerDrawn(CWnd* pButton) {
    pButton->SendMessage(BM_SETSTYLE, BS_OWNERDRAW, FALSE);
}

CRect DrawPushFace(CDC* pDC, const DRAWITEMSTRUCT& item, COLORREF clrFace) {
    int nBevel = (item.itemState & ODS_SELECTED) != 0 ? kSunkenBevel : kRaisedBevel;
    return DrawPanel(pDC, item.rcItem, clrFace, nBevel, kNoBevel, kBevelWidth, 0, nullptr);
}
