// A label whose text sits on a bevelled panel of its own face colour, inside the label's frame.
#pragma once

#include "frame_styles.h"
#include "static_3d.h"

class A3dPanel : public A3dStatic {
    DECLARE_DYNAMIC(A3dPanel)
  public:
    A3dPanel();

    COLORREF m_clrFace;
    int m_nOuterBevel = kRaisedBevel;
    int m_nInnerBevel = kNoBevel;
    int m_nBevelWidth = 1;
    // Face colour between the two bevels, widened on each side by the insets.
    int m_nMargin = 0;
    CRect m_rcInsets;

  protected:
    void DrawContent(CDC* pDC) override;
};
