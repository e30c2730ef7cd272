// An existing dialog button turned owner-drawn, keeping its own check state while it behaves as
// the push button, check box or radio button its template made it. Subclasses draw it.
#pragma once

#include "check_button_rules.h"

#include "afxwin.h"

#include <optional>

class ACheckButton : public CButton {
    DECLARE_DYNAMIC(ACheckButton)
  public:
    // Takes the control over at once; an object whose control is null or cannot be subclassed
    // stays unattached.
    ACheckButton(CWnd* pControl, BOOL bAutoDelete);

    virtual BOOL SubclassControl(CWnd* pControl, BOOL bAutoDelete);

    int m_nKind = kPushKind;
    UINT m_nCheckState = kUnchecked;
    // The highest state that is drawn as checked.
    UINT m_nCheckedState = kChecked;
    BOOL m_bAutoDelete = FALSE;
    // A left button press began here and has not been released.
    BOOL m_bMousePressed = FALSE;
    // Report left button releases to the parent as WM_PARENTNOTIFY.
    BOOL m_bNotifyParent = FALSE;

  protected:
    // Called after each change of the check state made through BM_SETCHECK.
    virtual void OnCheckChanged() {}

    // One slot for the whole family: every member replaces the same system button procedure.
    WNDPROC* GetSuperWndProcAddr() override;
    void PostNcDestroy() override;

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

  private:
    void SetCheckIfAny(std::optional<unsigned> state);
    void UncheckRadioSibling();
};
