// How a check button's kind and check state follow from its style, the keyboard and the mouse,
// and which button of a radio group gives up its check when another one is checked.
#pragma once

#include <optional>

enum CheckKind : int {
    kPushKind = 0,     // shows checked only while held
    kCheckBoxKind = 1, // toggles
    kRadioKind = 2,    // checks itself and unchecks the rest of its group
};

// Check states, as the system's button messages carry them.
enum CheckState : unsigned {
    kUnchecked = 0,
    kChecked = 1,
    kIndeterminate = 2,
};

// The kind a system button type stands for (its plain and automatic variants); none for the
// types that are neither push, check box nor radio button.
std::optional<int> KindOfButtonType(unsigned long long type);

// The kind a window style gives: its low byte, with the left-text flag cleared, as a button type.
std::optional<int> KindOfWindowStyle(unsigned long style);

// The state a press (left button or space bar going down) sets, if any.
std::optional<unsigned> CheckOnPress(int kind);

// The state a space-bar release sets, if any.
std::optional<unsigned> CheckOnSpaceRelease(int kind, unsigned current);

// The state a release of a left button pressed on the control sets, if any; only a push button
// reacts to a release outside the control.
std::optional<unsigned> CheckOnMouseRelease(int kind, unsigned current, bool inside);

// Whether a state is drawn as checked: above unchecked and no higher than checkedState.
bool ShowsChecked(unsigned state, unsigned checkedState);

// Whether setting a state has to uncheck the checked sibling of the radio group.
bool UnchecksRadioSibling(int kind, unsigned newState);

// What the group walk knows of one sibling window.
struct RadioSibling {
    bool isRadio;     // a check button of the radio kind; anything else ends the walk
    bool isChecked;   // its check state is not unchecked
    bool startsGroup; // it has the group style
};

enum class WalkDirection { kBackward, kForward };
enum class WalkStep { kNext, kStop, kUncheck };

// Walking backward, the group's first button (the one with the group style) is the last one
// examined; walking forward, the next group's first button is not examined at all.
WalkStep StepOverSibling(const RadioSibling& sibling, WalkDirection direction);

// The nearest sibling of start, in the given direction, that is to be unchecked, or a null
// handle. next(handle) gives the adjacent sibling in that direction (null at the end), and
// describe(handle) what the walk knows of it. A button that starts its group has nothing of its
// group before it.
template <class Handle, class Next, class Describe>
Handle FindSiblingToUncheck(Handle start, WalkDirection direction, Next next, Describe describe) {
    if (direction == WalkDirection::kBackward && describe(start).startsGroup) {
        return Handle{};
    }
    for (Handle sibling = next(start); sibling != Handle{}; sibling = next(sibling)) {
        switch (StepOverSibling(describe(sibling), direction)) {
        case WalkStep::kUncheck:
            return sibling;
        case WalkStep::kStop:
            return Handle{};
        case WalkStep::kNext:
            break;
        }
    }
    return Handle{};
}
