// What a key does in the viewer: always a command that a button, a scroll bar or the wheel
// already gives, so the keyboard has nothing of its own to learn.
#pragma once

enum class KeyCommand {
    kNone,
    kZoomIn,  // one wheel step towards the user
    kZoomOut, // one wheel step away from the user
    kScroll,  // a scroll-bar message: bar and code below
    kPan,     // a tenth of the visible part along a bar: bar and direction below
    kOneToOne,
    kBrighter,
    kDarker,
    kSave,
    kPrint,
};

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct KeyAction {
    KeyCommand command = KeyCommand::kNone;
    bool horizontal = false; // which bar, for kScroll and kPan
    int scrollCode = 0;      // for kScroll
    int direction = 0;       // for kPan: -1 towards the bar's start, +1 towards its end
};

// The action of a key press, by the platform's virtual-key code. Keys that are not the viewer's
// (Tab, Space, Enter, Escape, anything with Alt) give kNone and keep the dialog's handling.
KeyAction ActionForKey(unsigned virtualKey, const KeyModifiers& modifiers);

// How far an arrow moves the view: a tenth of the visible width or height, at least one pixel.
int PanStep(int visibleSize);
