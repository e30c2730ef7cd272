#include "panel_3d.h"

#include "frame_painting.h"

IMPLEMENT_DYNAMIC(A3dPanel, A3dStatic)

A3dPanel::A3dPanel() : m_clrFace(::GetSysColor(COLOR_BTNFACE)) {}

// The panel is painted afresh each time, which also takes an old text away.
void A3dPanel::DrawContent(CDC* pDC) {
    CRect rcFace = DrawPanel(pDC, m_rcText, m_clrFace, m_nOuterBevel, m_nInnerBevel, m_nBevelWidth,
                             m_nMargin, &m_rcInsets);
    DrawLabelText(pDC, rcFace, m_clrFace);
}
