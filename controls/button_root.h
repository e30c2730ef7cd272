// A system button that tracks left-button presses made on it and can report their release to its
// parent. Create it with Create or take a dialog's control over with SubclassDlgItem.
#pragma once

#include "afxwin.h"

class AButtonRoot : public CButton {
    DECLARE_DYNAMIC(AButtonRoot)
  public:
    // Delete the object when its window is gone.
    BOOL m_bAutoDelete = FALSE;
    // Report left-button releases to the parent as WM_PARENTNOTIFY.
    BOOL m_bNotifyParent = FALSE;
    // A left-button press began here and has not been released.
    BOOL m_bMousePressed = FALSE;

  protected:
    void PostNcDestroy() override;

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
