#include "check_button_rules.h"

namespace {

// The system's button types and style flags.
constexpr unsigned long long kPushButton = 0;
constexpr unsigned long long kDefPushButton = 1;
constexpr unsigned long long kCheckBox = 2;
constexpr unsigned long long kAutoCheckBox = 3;
constexpr unsigned long long kRadioButton = 4;
constexpr unsigned long long kThreeState = 5;
constexpr unsigned long long kAutoThreeState = 6;
constexpr unsigned long long kAutoRadioButton = 9;
constexpr unsigned long kLeftText = 0x20;

} // namespace

std::optional<int> KindOfButtonType(unsigned long long type) {
    switch (type) {
    case kPushButton:
    case kDefPushButton:
        return kPushKind;
    case kCheckBox:
    case kAutoCheckBox:
    case kThreeState:
    case kAutoThreeState:
        return kCheckBoxKind;
    case kRadioButton:
    case kAutoRadioButton:
        return kRadioKind;
    default:
        return std::nullopt;
    }
}

std::optional<int> KindOfWindowStyle(unsigned long style) {
    return KindOfButtonType(style & 0xFF & ~kLeftText);
}

std::optional<unsigned> CheckOnPress(int kind) {
    if (kind == kPushKind) {
        return kChecked;
    }
    return std::nullopt;
}

std::optional<unsigned> CheckOnSpaceRelease(int kind, unsigned current) {
    switch (kind) {
    case kPushKind:
        return kUnchecked;
    case kCheckBoxKind:
        return current != kUnchecked ? kUnchecked : kChecked;
    case kRadioKind:
        return kChecked;
    default:
        return std::nullopt;
    }
}

std::optional<unsigned> CheckOnMouseRelease(int kind, unsigned current, bool inside) {
    if (kind == kPushKind) {
        return kUnchecked;
    }
    if (!inside) {
        return std::nullopt;
    }
    return CheckOnSpaceRelease(kind, current);
}

bool ShowsChecked(unsigned state, unsigned checkedState) {
    return state > kUnchecked && state <= checkedState;
}

bool UnchecksRadioSibling(int kind, unsigned newState) {
    return kind == kRadioKind && newState != kUnchecked;
}

WalkStep StepOverSibling(const RadioSibling& sibling, WalkDirection direction) {
    bool endsWalk = !sibling.isRadio;
    if (direction == WalkDirection::kForward) {
        endsWalk = endsWalk || sibling.startsGroup;
    }
    if (endsWalk) {
        return WalkStep::kStop;
    }
    if (sibling.isChecked) {
        return WalkStep::kUncheck;
    }
    if (direction == WalkDirection::kBackward && sibling.startsGroup) {
        return WalkStep::kStop;
    }
    return WalkStep::kNext;
}
