// A check button drawn as a raised 3D face that sinks while it shows checked.
#pragma once

#include "check_button.h"

class A3DCheckButton : public ACheckButton {
    DECLARE_DYNAMIC(A3DCheckButton)
  public:
    A3DCheckButton(CWnd* pControl, BOOL bAutoDelete, COLORREF clrFace, int nBevelWidth);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    COLORREF m_clrFace;
    int m_nBevelWidth;

  protected:
    DECLARE_MESSAGE_MAP()
};
