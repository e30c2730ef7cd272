#include "ctrl_3d.h"

#include "frame_painting.h"
#include "static_3d_rules.h"

IMPLEMENT_DYNAMIC(A3dCtrl, CStatic)

BEGIN_MESSAGE_MAP(A3dCtrl, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// The static type is the style's low four bits.
constexpr DWORD kStaticTypeBits = 0x0F;

} // namespace

void A3dCtrl::PostNcDestroy() {
    CStatic::PostNcDestroy();
    if (m_bAutoDelete) {
        delete this;
    }
}

void A3dCtrl::OnPaint() {
    StaticPanelLook look = PanelLookOfStaticType(GetStyle() & kStaticTypeBits);
    if (look.systemPaints) {
        Default();
        return;
    }
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    if (look.roundFrame) {
        rc = DrawRoundFrame(&dc, rc, 1, RGB(0, 0, 0));
    }
    DrawPanel(&dc, rc, ::GetSysColor(COLOR_BTNFACE), look.outerBevel, look.innerBevel,
              look.bevelWidth, 0, nullptr);
}
