// A push button with a face and caption of its own colours.
#pragma once

#include "push_button.h"

class AColorPushButton : public APushButton {
    DECLARE_DYNAMIC(AColorPushButton)
  public:
    AColorPushButton(COLORREF clrFace, COLORREF clrText) : m_clrFace(clrFace), m_clrText(clrText) {}

    COLORREF m_clrFace;
    COLORREF m_clrText;

  protected:
    COLORREF FaceColor() const override { return m_clrFace; }
    void DrawFaceContent(CDC* pDC, const CRect& rcFace) override;
};
