// A push button whose face carries an image (a bitmap with the library's transparent key, or an
// icon) under its caption.
#pragma once

#include "push_button.h"

class ABitmapPushButton : public APushButton {
    DECLARE_DYNAMIC(ABitmapPushButton)
  public:
    explicit ABitmapPushButton(UINT nImageId = 0) : m_nImageId(nImageId) {}

    // 0 draws no image.
    UINT m_nImageId;
    BOOL m_bImageIsIcon = FALSE;
    UINT m_nPlacement = 5;

  protected:
    void DrawFaceContent(CDC* pDC, const CRect& rcFace) override;
};
