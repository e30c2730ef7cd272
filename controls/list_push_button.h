// A list button drawn with the library's push-button face.
#pragma once

#include "list_button.h"

class AListPushButton : public AListButton {
    DECLARE_DYNAMIC(AListPushButton)
  public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  protected:
    void PreSubclassWindow() override;
};
