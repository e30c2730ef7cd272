// What the library's buttons share about the left mouse button: a double click acting as a second
// press, and a release reported to the parent.
#pragma once

#include "afxwin.h"

// Called after the default handling of a double click: sends the button WM_LBUTTONDOWN with the
// same flags and point, unless that handling destroyed it.
void PressAgainAfterDoubleClick(HWND hButton, UINT nFlags, CPoint point);

// Called after the default handling of a left-button release, which reports a click to the parent
// whose handler may destroy the button and with it its object: unless it did, reports the release
// to the parent when the press began on the button and the button is to notify, and ends the press.
template <class Button> void EndPressAfterRelease(Button* pButton, HWND hButton, CPoint point);

// Sends the parent WM_PARENTNOTIFY for a left-button release at the point (button client
// coordinates), given in the parent's client coordinates; a release outside the button is
// reported at the button's top-left corner.
void ReportReleaseToParent(CWnd* pButton, CPoint point);

template <class Button> void EndPressAfterRelease(Button* pButton, HWND hButton, CPoint point) {
    if (!::IsWindow(hButton)) {
        return;
    }
    if (pButton->m_bMousePressed && pButton->m_bNotifyParent) {
        ReportReleaseToParent(pButton, point);
    }
    pButton->m_bMousePressed = FALSE;
}
