// The viewer dialog created as DoModal creates it, but modeless so a test can look inside.
#pragma once

#include "viewer_dlg.h"
#include "wine_test_support.h"

class ViewerWindow {
  public:
    // Throws when the dialog cannot be created, which fails the running test.
    explicit ViewerWindow(const std::wstring& commandLine);
    ~ViewerWindow();
    ViewerWindow(const ViewerWindow&) = delete;
    ViewerWindow& operator=(const ViewerWindow&) = delete;

    ViewerDlg& Dlg() { return m_dlg; }
    // The viewer's state, for a test that starts from one the controls cannot set.
    ViewState& EditState() { return m_dlg.m_state; }
    bool Created() const { return m_created; }
    HWND Item(int nID) const { return ::GetDlgItem(m_dlg.m_hWnd, nID); }
    // A control's client rectangle in the dialog's client coordinates.
    CRect ClientRectOf(int nID) const;
    // Sends a command as a click of the control would.
    void Click(int nID);
    // Sends a scroll bar's message as the bar would (nBar IDC_HSCROLL or IDC_VSCROLL).
    void Scroll(int nBar, int code, int pos = 0);
    // Picks an entry of the quality list as the user would.
    void ChooseQuality(int index);
    // Paints whatever is invalid now.
    void Repaint();

  private:
    ScopedCommandLine m_commandLine;
    ViewerDlg m_dlg{nullptr};
    bool m_created = false;
};

struct BarState {
    int nMin;
    int nMax;
    int nPage;
    int nPos;
    bool operator==(const BarState& other) const {
        return nMin == other.nMin && nMax == other.nMax && nPage == other.nPage &&
               nPos == other.nPos;
    }
};

// A scroll-bar control's range, page and position.
BarState Bar(HWND hBar);

// The bundled sample picture, 704 x 576.
std::wstring SamplePicture();
