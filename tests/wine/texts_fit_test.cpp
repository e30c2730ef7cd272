// Every label and push-button caption of the program's dialogs shows its whole text, measured in
// the control's own font, clear of the controls beside it, in the session's language and screen
// scale (the harness runs this once for each pair).
#include "modal_script.h"
#include "resource.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

// A push button's frame, with the pixel more it has while it is the default one, and the margin
// it keeps inside the frame: its text has this much less room on each side.
const int kButtonTextInset = 4;

bool IsClass(HWND hControl, const wchar_t* name) {
    wchar_t className[16] = L"";
    ::GetClassNameW(hControl, className, 16);
    return ::lstrcmpiW(className, name) == 0;
}

bool IsLabel(HWND hControl) {
    LONG type = ::GetWindowLongW(hControl, GWL_STYLE) & SS_TYPEMASK;
    return IsClass(hControl, L"Static") &&
           (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP);
}

bool IsPushButton(HWND hControl) {
    LONG type = ::GetWindowLongW(hControl, GWL_STYLE) & BS_TYPEMASK;
    return IsClass(hControl, L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

std::wstring TextOf(HWND hControl) {
    wchar_t text[256] = L"";
    ::GetWindowTextW(hControl, text, 256);
    return text;
}

// Where the text does not fit: the control's text, its client size and what the text needs.
std::string Misfit(HWND hControl) {
    std::wstring text = TextOf(hControl);
    CRect client;
    ::GetClientRect(hControl, &client);
    HDC hdc = ::GetDC(hControl);
    HGDIOBJ old =
        ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageW(hControl, WM_GETFONT, 0, 0)));
    CRect needed;
    bool fits;
    if (IsLabel(hControl)) {
        // As the label draws it: broken into lines at the client width.
        needed = CRect(0, 0, client.Width(), 0);
        ::DrawTextW(hdc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        fits = needed.Width() <= client.Width() && needed.Height() <= client.Height();
    } else {
        SIZE extent{};
        ::GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &extent);
        needed = CRect(0, 0, extent.cx + 2 * kButtonTextInset, extent.cy);
        fits = needed.Width() <= client.Width() && needed.Height() <= client.Height();
    }
    ::SelectObject(hdc, old);
    ::ReleaseDC(hControl, hdc);
    if (fits) {
        return "";
    }
    char first[16] = "";
    std::snprintf(first, sizeof first, "U+%04X", static_cast<unsigned>(text[0]));
    return "control " + std::to_string(::GetDlgCtrlID(hControl)) + " (" +
           std::to_string(text.size()) + " characters from " + first + "): client " +
           std::to_string(client.Width()) + " x " + std::to_string(client.Height()) +
           ", text needs " + std::to_string(needed.Width()) + " x " +
           std::to_string(needed.Height());
}

bool IsShown(HWND hControl) {
    return (::GetWindowLongW(hControl, GWL_STYLE) & WS_VISIBLE) != 0;
}

// A text control that reaches another control, or touches it, reads as one with it.
std::string Crowding(HWND hDialog, HWND hControl) {
    CRect own;
    ::GetWindowRect(hControl, &own);
    for (HWND h = ::GetWindow(hDialog, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CRect other;
        ::GetWindowRect(h, &other);
        bool sameRow = other.top < own.bottom && own.top < other.bottom;
        bool apart = other.left > own.right || own.left > other.right;
        if (h != hControl && IsShown(h) && sameRow && !apart) {
            return "control " + std::to_string(::GetDlgCtrlID(hControl)) + " (" +
                   std::to_string(own.left) + ".." + std::to_string(own.right) +
                   ") reaches control " + std::to_string(::GetDlgCtrlID(h)) + " (" +
                   std::to_string(other.left) + ".." + std::to_string(other.right) + ")";
        }
    }
    return "";
}

struct Checked {
    int texts = 0;
    std::vector<std::string> misfits;
};

Checked CheckTexts(HWND hDialog) {
    Checked checked;
    for (HWND h = ::GetWindow(hDialog, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (!IsShown(h) || TextOf(h).empty() || !(IsLabel(h) || IsPushButton(h))) {
            continue;
        }
        ++checked.texts;
        for (const std::string& fault : {Misfit(h), Crowding(hDialog, h)}) {
            if (!fault.empty()) {
                checked.misfits.push_back(fault);
            }
        }
    }
    return checked;
}

// Opens a dialog as the user does from the viewer, checks it once it is up, and closes it.
Checked CheckModal(ViewerWindow& viewer, const std::wstring& caption,
                   const std::function<void(ViewerWindow&)>& open) {
    Checked checked;
    ModalScript script;
    script.Then(caption, [&checked](HWND hDialog) {
        checked = CheckTexts(hDialog);
        ::PostMessageW(hDialog, WM_COMMAND, IDCANCEL, 0);
    });
    open(viewer);
    EXPECT_TRUE(script.Finished()) << "the dialog never came up";
    return checked;
}

struct DialogCase {
    const char* name;
    // The labels and buttons with text it shows: the about box and the viewer show none (the
    // viewer's buttons show pictures).
    int texts;
    std::function<Checked(ViewerWindow&)> check;
};

const DialogCase kDialogs[] = {
    {"viewer", 0, [](ViewerWindow& viewer) { return CheckTexts(viewer.Dlg().m_hWnd); }},
    {"Save-As dialog", 4,
     [](ViewerWindow& viewer) {
         return CheckModal(viewer, L"Varnolt -- Save As JPEG File",
                           [](ViewerWindow& opener) { opener.Click(IDC_SAVE); });
     }},
    {"about box", 0,
     [](ViewerWindow& viewer) {
         return CheckModal(viewer, L"關於 StillView", [](ViewerWindow& opener) {
             ::SendMessageW(opener.Dlg().m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
         });
     }},
};

TEST(TextsFit, EveryLabelAndButtonOfEveryDialogShowsItsWholeText) {
    // The session must be the one this run stands for, or it would check another scale.
    int dpi = std::atoi(std::getenv("STILLVIEW_SESSION_DPI"));
    HDC hScreen = ::GetDC(nullptr);
    ASSERT_EQ(::GetDeviceCaps(hScreen, LOGPIXELSX), dpi);
    ::ReleaseDC(nullptr, hScreen);
    for (const DialogCase& dialog : kDialogs) {
        SCOPED_TRACE(std::string(dialog.name) + " at " + std::to_string(dpi) + " dpi, " +
                     std::getenv("LANG"));
        ViewerWindow viewer(SamplePicture());
        Checked checked = dialog.check(viewer);
        EXPECT_EQ(checked.texts, dialog.texts);
        for (const std::string& misfit : checked.misfits) {
            ADD_FAILURE() << misfit;
        }
    }
}

} // namespace
