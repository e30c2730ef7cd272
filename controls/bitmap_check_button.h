// A check button drawn as a 3D face with an image on it; the face sinks while it shows checked.
#pragma once

#include "check_button.h"

class ABitmapCheckButton : public ACheckButton {
    DECLARE_DYNAMIC(ABitmapCheckButton)
  public:
    ABitmapCheckButton(CWnd* pControl, BOOL bAutoDelete, UINT nImageId, COLORREF clrFace);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // A bitmap resource, drawn centred with the library's transparent key.
    UINT m_nImageId;
    COLORREF m_clrFace;
};
