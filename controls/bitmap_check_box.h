// A check button that shows one image while unchecked and the next resource id while checked,
// with its window text over it. It deletes itself when its window is destroyed.
#pragma once

#include "check_button.h"

class ABitmapCheckBox : public ACheckButton {
    DECLARE_DYNAMIC(ABitmapCheckBox)
  public:
    // nImageId names the unchecked image; 0 draws no image.
    ABitmapCheckBox(CWnd* pControl, UINT nImageId);
    // Leaves the blink list, should it still be listed there.
    ~ABitmapCheckBox() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    BOOL m_bImageIsIcon = FALSE;
    UINT m_nImageId;
    // Flipped by the blink list while the box is listed; only a blinking check box shows it.
    BOOL m_bBlinkPhase = FALSE;
    UINT m_nPlacement = 5;
    UINT m_nTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

  protected:
    // Whether the checked image is drawn: the box shows checked.
    virtual bool ShowsCheckedImage() const;
};
