// The keyboard: each key runs the very handler its button, scroll bar or the wheel runs.
#include "viewer_dlg.h"

#include "key_map.h"
#include "resource.h"

namespace {

KeyModifiers HeldModifiers() {
    KeyModifiers held;
    held.shift = ::GetKeyState(VK_SHIFT) < 0;
    held.ctrl = ::GetKeyState(VK_CONTROL) < 0;
    held.alt = ::GetKeyState(VK_MENU) < 0;
    return held;
}

bool IsAutoRepeat(const MSG& msg) {
    return (msg.lParam & (1 << 30)) != 0;
}

} // namespace

BOOL ViewerDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && TakesKeys(*pMsg)) {
        KeyAction action = ActionForKey(static_cast<unsigned>(pMsg->wParam), HeldModifiers());
        if (action.command != KeyCommand::kNone) {
            // A held key repeats faster than a step is drawn: repeats that come while the last
            // step waits for its paint are dropped, so the view stops when the key is let go.
            bool bStillDrawing = ::GetUpdateRect(m_hWnd, nullptr, FALSE) != FALSE;
            if (!(IsAutoRepeat(*pMsg) && bStillDrawing)) {
                RunKeyAction(action);
            }
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// Only while the viewer is the window in front: a dialog or message box of its own disables it
// and takes the keys.
bool ViewerDlg::TakesKeys(const MSG& msg) const {
    return (msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd)) && ::IsWindowEnabled(m_hWnd) &&
           ::GetActiveWindow() == m_hWnd;
}

void ViewerDlg::RunKeyAction(const KeyAction& action) {
    switch (action.command) {
    case KeyCommand::kZoomIn:
        OnMouseWheel(0, -WHEEL_DELTA, CPoint());
        break;
    case KeyCommand::kZoomOut:
        OnMouseWheel(0, WHEEL_DELTA, CPoint());
        break;
    case KeyCommand::kScroll:
        SendScroll(action.horizontal, static_cast<UINT>(action.scrollCode), 0);
        break;
    case KeyCommand::kPan:
        PanByTenth(action.horizontal, action.direction);
        break;
    case KeyCommand::kOneToOne:
        OnOneToOne();
        break;
    case KeyCommand::kBrighter:
        OnBrighter();
        break;
    case KeyCommand::kDarker:
        OnDarker();
        break;
    case KeyCommand::kSave:
        OnSavePicture();
        break;
    case KeyCommand::kPrint:
        OnPrintPicture();
        break;
    case KeyCommand::kNone:
        break;
    }
}

// As the bar itself would report it.
void ViewerDlg::SendScroll(bool bHorizontal, UINT nSBCode, UINT nPos) {
    auto* pBar = reinterpret_cast<CScrollBar*>(
        CWnd::FromHandle(::GetDlgItem(m_hWnd, bHorizontal ? IDC_HSCROLL : IDC_VSCROLL)));
    if (bHorizontal) {
        OnHScroll(nSBCode, nPos, pBar);
    } else {
        OnVScroll(nSBCode, nPos, pBar);
    }
}

// The thumb dragged by a tenth of the visible part; the bar's own limits clamp the drag.
void ViewerDlg::PanByTenth(bool bHorizontal, int direction) {
    HWND hBar = ::GetDlgItem(m_hWnd, bHorizontal ? IDC_HSCROLL : IDC_VSCROLL);
    int visible = bHorizontal ? m_state.view.m_nSrcWidth : m_state.view.m_nSrcHeight;
    int target = ::GetScrollPos(hBar, SB_CTL) + direction * PanStep(visible);
    SendScroll(bHorizontal, SB_THUMBPOSITION, static_cast<UINT>(target < 0 ? 0 : target));
}
