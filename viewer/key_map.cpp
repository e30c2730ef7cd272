#include "key_map.h"

#include "scroll_position.h"

namespace {

// The platform's virtual-key codes of the keys the viewer knows.
enum VirtualKey : unsigned {
    kPageUp = 0x21,
    kPageDown = 0x22,
    kEnd = 0x23,
    kHome = 0x24,
    kLeft = 0x25,
    kUp = 0x26,
    kRight = 0x27,
    kDown = 0x28,
    kDigitOne = 0x31,
    kLetterB = 0x42,
    kLetterD = 0x44,
    kLetterP = 0x50,
    kLetterS = 0x53,
    kKeypadMultiply = 0x6A,
    kKeypadAdd = 0x6B,
    kKeypadSubtract = 0x6D,
    // The key that types "+" in every layout; "=" shares it on many.
    kPlus = 0xBB,
    kMinus = 0xBD,
};

KeyAction Command(KeyCommand command) {
    KeyAction action;
    action.command = command;
    return action;
}

KeyAction Scroll(bool horizontal, int code) {
    KeyAction action = Command(KeyCommand::kScroll);
    action.horizontal = horizontal;
    action.scrollCode = code;
    return action;
}

KeyAction Pan(bool horizontal, int direction) {
    KeyAction action = Command(KeyCommand::kPan);
    action.horizontal = horizontal;
    action.direction = direction;
    return action;
}

KeyAction WithCtrl(unsigned key) {
    switch (key) {
    case kLetterS:
        return Command(KeyCommand::kSave);
    case kLetterP:
        return Command(KeyCommand::kPrint);
    case kHome:
        return Scroll(false, kScrollToStart);
    case kEnd:
        return Scroll(false, kScrollToEnd);
    default:
        return {};
    }
}

// Shift does not count for the keys of characters: some layouts need it to type them.
KeyAction WithoutCtrl(unsigned key, bool shift) {
    switch (key) {
    case kPlus:
    case kKeypadAdd:
        return Command(KeyCommand::kZoomIn);
    case kMinus:
    case kKeypadSubtract:
        return Command(KeyCommand::kZoomOut);
    case kDigitOne:
    case kKeypadMultiply:
        return Command(KeyCommand::kOneToOne);
    case kLetterB:
        return Command(KeyCommand::kBrighter);
    case kLetterD:
        return Command(KeyCommand::kDarker);
    case kLeft:
        return Pan(true, -1);
    case kRight:
        return Pan(true, 1);
    case kUp:
        return Pan(false, -1);
    case kDown:
        return Pan(false, 1);
    case kPageUp:
        return Scroll(shift, kScrollPageBack);
    case kPageDown:
        return Scroll(shift, kScrollPageForward);
    case kHome:
        return Scroll(true, kScrollToStart);
    case kEnd:
        return Scroll(true, kScrollToEnd);
    default:
        return {};
    }
}

} // namespace

KeyAction ActionForKey(unsigned virtualKey, const KeyModifiers& modifiers) {
    if (modifiers.alt) {
        return {};
    }
    if (modifiers.ctrl) {
        return modifiers.shift ? KeyAction{} : WithCtrl(virtualKey);
    }
    return WithoutCtrl(virtualKey, modifiers.shift);
}

int PanStep(int visibleSize) {
    int step = visibleSize / 10;
    return step < 1 ? 1 : step;
}
