#include "text_fit.h"

#include "text_fit_rules.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A push button's frame and the space it keeps inside it: the text has this much less room on
// each side than the button is wide. A dialog makes whichever button has the focus its default
// one, with one pixel more of frame, so every button is measured as a default one.
const int kButtonTextInset = 4;

enum class TextKind { None, Label, Button };

bool IsClass(HWND hControl, const wchar_t* name) {
    wchar_t className[16] = L"";
    ::GetClassNameW(hControl, className, 16);
    return ::lstrcmpiW(className, name) == 0;
}

TextKind KindOf(HWND hControl) {
    LONG style = ::GetWindowLongW(hControl, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0 || ::GetWindowTextLengthW(hControl) == 0) {
        return TextKind::None;
    }
    if (IsClass(hControl, L"Static")) {
        LONG type = style & SS_TYPEMASK;
        bool text = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
                    type == SS_LEFTNOWORDWRAP;
        return text ? TextKind::Label : TextKind::None;
    }
    if (IsClass(hControl, L"Button")) {
        LONG type = style & BS_TYPEMASK;
        bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
        return push ? TextKind::Button : TextKind::None;
    }
    return TextKind::None;
}

// The width of the text on one line, in the control's own font.
int TextWidth(HWND hControl) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hControl)) + 1, L'\0');
    int length = ::GetWindowTextW(hControl, &text[0], static_cast<int>(text.size()));
    HDC hdc = ::GetDC(hControl);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageW(hControl, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(hdc, font != nullptr ? font : ::GetStockObject(SYSTEM_FONT));
    RECT extent = {0, 0, 0, 0};
    ::DrawTextW(hdc, text.c_str(), length, &extent, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hdc, old);
    ::ReleaseDC(hControl, hdc);
    return extent.right - extent.left;
}

IntRect RectInParent(HWND hParent, HWND hControl) {
    RECT rect;
    ::GetWindowRect(hControl, &rect);
    ::MapWindowPoints(HWND_DESKTOP, hParent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The control's rectangle grown to fit its text, where it is one that shows text.
IntRect FitText(HWND hControl, const IntRect& rect) {
    TextKind kind = KindOf(hControl);
    if (kind == TextKind::None) {
        return rect;
    }
    bool button = kind == TextKind::Button;
    int needed = TextWidth(hControl) + (button ? 2 * kButtonTextInset : 0);
    return GrownToWidth(rect, needed, button ? TextGrowth::BothWays : TextGrowth::Rightward);
}

int Rightmost(const std::vector<IntRect>& rects) {
    int rightmost = 0;
    for (const IntRect& rect : rects) {
        rightmost = std::max(rightmost, rect.right);
    }
    return rightmost;
}

void GrowDialog(HWND hDialog, int growth) {
    RECT window;
    ::GetWindowRect(hDialog, &window);
    ::SetWindowPos(hDialog, nullptr, 0, 0, window.right - window.left + growth,
                   window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void FitTextsToControls(HWND hDialog) {
    std::vector<HWND> controls;
    std::vector<IntRect> before;
    std::vector<IntRect> fitted;
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        controls.push_back(hChild);
        before.push_back(RectInParent(hDialog, hChild));
        fitted.push_back(FitText(hChild, before.back()));
    }
    std::vector<IntRect> placed = KeptApart(before, fitted);
    for (size_t i = 0; i < controls.size(); ++i) {
        const IntRect& rect = placed[i];
        if (!(rect == before[i])) {
            ::SetWindowPos(controls[i], nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    int growth = DialogGrowth(Rightmost(before), Rightmost(placed));
    if (growth > 0) {
        GrowDialog(hDialog, growth);
    }
}
