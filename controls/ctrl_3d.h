// A static control whose rectangle and frame types are painted as bevelled button-face panels;
// its text and icon types are painted by the system as usual. Create it with Create or take a
// dialog's static over with SubclassDlgItem.
#pragma once

#include "afxwin.h"

class A3dCtrl : public CStatic {
    DECLARE_DYNAMIC(A3dCtrl)
  public:
    // Delete the object when its window is gone.
    BOOL m_bAutoDelete = FALSE;

  protected:
    void PostNcDestroy() override;

    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
