// A bitmap check box that blinks while it is checked: it joins the blink list when checked and
// leaves it on any other state and when its window is destroyed.
#pragma once

#include "bitmap_check_box.h"

class ABlinkCheckBox : public ABitmapCheckBox {
  public:
    ABlinkCheckBox(CWnd* pControl, UINT nImageId) : ABitmapCheckBox(pControl, nImageId) {}

  protected:
    // A checked box shows its unchecked image in the blink phase.
    bool ShowsCheckedImage() const override;

    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
