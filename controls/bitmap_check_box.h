// A check button that shows one image while unchecked and the next resource id while checked,
// with its window text over it. It deletes itself when its window is destroyed.
#pragma once

#include "check_button.h"

class ABitmapCheckBox : public ACheckButton {
    DECLARE_DYNAMIC(ABitmapCheckBox)
  public:
    // nImageId names the unchecked image; 0 draws no image.
    ABitmapCheckBox(CWnd* pControl, UINT nImageId);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    BOOL m_bImageIsIcon = FALSE;
    UINT m_nImageId;
    UINT m_nPlacement = 5;
    UINT m_nTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
};
