// A visible pop-up that holds buttons under test and records what they tell it: each click with
// the button's check state and caption at that moment, and each release reported to it.
#pragma once

#include "wine_test_support.h"

#include <string>
#include <vector>

struct Click {
    int id;
    int checkSeen;            // the button's check state when the parent handled the click
    std::wstring captionSeen; // the button's caption then
};

class ButtonParent : public TestPopup {
  public:
    ButtonParent() : TestPopup(CRect(10, 10, 410, 110)) {}

    // A system button of the style in the next free place of a row.
    HWND AddButton(int id, DWORD style);

    std::vector<Click> m_clicks;
    std::vector<CPoint> m_releases;
    // When set, the button with this id is destroyed while its click is handled.
    int m_nDestroyOnClick = 0;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnParentNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

  private:
    int m_nButtons = 0;
};
