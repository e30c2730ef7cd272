// An owner-drawn push button with press tracking: a raised face with its caption, sunk while
// held down. Create it with Create or take a dialog's push button over with SubclassDlgItem.
#pragma once

#include "button_root.h"

class APushButton : public AButtonRoot {
    DECLARE_DYNAMIC(APushButton)
  public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  protected:
    void PreSubclassWindow() override;

    virtual COLORREF FaceColor() const;
    // Draws what the face carries into the area inside its bevel: the caption.
    virtual void DrawFaceContent(CDC* pDC, const CRect& rcFace);
};
