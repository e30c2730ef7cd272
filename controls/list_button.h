// A button whose caption steps through a ring of entries: a left click, space, return, left or
// up steps forward, a right click, right or down steps back. A right click is reported to the
// parent as a click. Create it with Create or take a dialog's push button over with
// SubclassDlgItem; the button owns its entries.
#pragma once

#include "afxwin.h"

// One entry of a list button: its caption and a value for the button's user.
class AListEntry : public CObject {
  public:
    AListEntry(DWORD dwData, const wchar_t* pszCaption)
        : m_dwData(dwData), m_strCaption(pszCaption) {}

    DWORD m_dwData;
    CString m_strCaption;
};

class AListButton : public CButton {
    DECLARE_DYNAMIC(AListButton)
  public:
    AListButton() = default;
    ~AListButton() override;

    // Adds an entry at the end of the ring and takes it over; the first entry becomes the one
    // shown. An entry already listed is refused (FALSE) and stays where it is.
    BOOL AddEntry(AListEntry* pEntry);
    AListEntry* AddEntry(const wchar_t* pszCaption, DWORD dwData = 0);
    void RemoveAllEntries();
    // The entry shown, or null when there is none.
    AListEntry* GetCurrentEntry() const;

    // Shows the head entry's caption, or nothing when the ring is empty.
    void ShowCurrent();
    void StepForward();
    void StepBack();

    // The entries; the head is the one shown.
    CObList m_listEntries;
    // Delete the object when its window is gone.
    BOOL m_bAutoDelete = FALSE;

  protected:
    void PreSubclassWindow() override;
    void PostNcDestroy() override;

    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnRButtonUp(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

  private:
    void DeleteEntries();
};
