#include "check_button_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ControlsCheckKind, ButtonTypesMapToPushCheckBoxAndRadio) {
    const std::optional<int> expected[] = {
        kPushKind,     kPushKind,    kCheckBoxKind, kCheckBoxKind, kRadioKind,   kCheckBoxKind,
        kCheckBoxKind, std::nullopt, std::nullopt,  kRadioKind,    std::nullopt, std::nullopt,
        std::nullopt,  std::nullopt, std::nullopt,  std::nullopt};
    for (unsigned type = 0; type < 16; ++type) {
        EXPECT_EQ(KindOfButtonType(type), expected[type]) << "type " << type;
    }
    // No masking: flags above the type make it an unknown value.
    EXPECT_EQ(KindOfButtonType(0x1003), std::nullopt);
    EXPECT_EQ(KindOfButtonType(0x100000003ULL), std::nullopt);
}

TEST(ControlsCheckKind, WindowStyleUsesTheLowByteWithoutTheLeftTextFlag) {
    // Automatic check box, push-like, tab stop, visible child: the viewer's toggles.
    EXPECT_EQ(KindOfWindowStyle(0x50011003), kCheckBoxKind);
    EXPECT_EQ(KindOfWindowStyle(0x50000029), kRadioKind);   // left text
    EXPECT_EQ(KindOfWindowStyle(0x00020001), kPushKind);    // group start
    EXPECT_EQ(KindOfWindowStyle(0x00000043), std::nullopt); // icon flag is not cleared
    EXPECT_EQ(KindOfWindowStyle(0x0000000B), std::nullopt); // owner-drawn
    EXPECT_EQ(KindOfWindowStyle(0x00000007), std::nullopt); // group box
}

TEST(ControlsCheckTransitions, OnlyAPushButtonGoesDownOnAPress) {
    EXPECT_EQ(CheckOnPress(kPushKind), kChecked);
    EXPECT_EQ(CheckOnPress(kCheckBoxKind), std::nullopt);
    EXPECT_EQ(CheckOnPress(kRadioKind), std::nullopt);
}

TEST(ControlsCheckTransitions, SpaceReleaseReleasesTogglesOrChecks) {
    EXPECT_EQ(CheckOnSpaceRelease(kPushKind, kChecked), kUnchecked);
    EXPECT_EQ(CheckOnSpaceRelease(kCheckBoxKind, kUnchecked), kChecked);
    EXPECT_EQ(CheckOnSpaceRelease(kCheckBoxKind, kChecked), kUnchecked);
    EXPECT_EQ(CheckOnSpaceRelease(kCheckBoxKind, kIndeterminate), kUnchecked);
    EXPECT_EQ(CheckOnSpaceRelease(kRadioKind, kUnchecked), kChecked);
    EXPECT_EQ(CheckOnSpaceRelease(kRadioKind, kChecked), kChecked);
    EXPECT_EQ(CheckOnSpaceRelease(7, kChecked), std::nullopt);
}

TEST(ControlsCheckTransitions, MouseReleaseOutsideChangesOnlyAPushButton) {
    EXPECT_EQ(CheckOnMouseRelease(kPushKind, kChecked, true), kUnchecked);
    EXPECT_EQ(CheckOnMouseRelease(kPushKind, kChecked, false), kUnchecked);
    EXPECT_EQ(CheckOnMouseRelease(kCheckBoxKind, kUnchecked, true), kChecked);
    EXPECT_EQ(CheckOnMouseRelease(kCheckBoxKind, kIndeterminate, true), kUnchecked);
    EXPECT_EQ(CheckOnMouseRelease(kCheckBoxKind, kUnchecked, false), std::nullopt);
    EXPECT_EQ(CheckOnMouseRelease(kRadioKind, kUnchecked, true), kChecked);
    EXPECT_EQ(CheckOnMouseRelease(kRadioKind, kUnchecked, false), std::nullopt);
}

TEST(ControlsCheckTransitions, CheckedLookCoversTheStatesUpToTheCheckedState) {
    EXPECT_FALSE(ShowsChecked(kUnchecked, 1));
    EXPECT_TRUE(ShowsChecked(kChecked, 1));
    EXPECT_FALSE(ShowsChecked(kIndeterminate, 1));
    EXPECT_TRUE(ShowsChecked(kIndeterminate, 2));
}

TEST(ControlsCheckTransitions, OnlyCheckingARadioButtonTouchesItsGroup) {
    EXPECT_TRUE(UnchecksRadioSibling(kRadioKind, kChecked));
    EXPECT_TRUE(UnchecksRadioSibling(kRadioKind, kIndeterminate));
    EXPECT_FALSE(UnchecksRadioSibling(kRadioKind, kUnchecked));
    EXPECT_FALSE(UnchecksRadioSibling(kCheckBoxKind, kChecked));
    EXPECT_FALSE(UnchecksRadioSibling(kPushKind, kChecked));
}

// A row of siblings in window order; the walk reaches them through pointers, null at the ends.
struct Row {
    std::vector<RadioSibling> items;

    const RadioSibling* At(int index) const {
        return index >= 0 && index < static_cast<int>(items.size()) ? &items[index] : nullptr;
    }
    int IndexOf(const RadioSibling* p) const {
        return p == nullptr ? -1 : static_cast<int>(p - items.data());
    }
    // The index of the sibling that checking items[start] unchecks: backward first, then
    // forward; -1 for none.
    int SiblingToUncheck(int start) const {
        auto describe = [](const RadioSibling* p) { return *p; };
        auto previous = [this](const RadioSibling* p) { return At(IndexOf(p) - 1); };
        auto following = [this](const RadioSibling* p) { return At(IndexOf(p) + 1); };
        const RadioSibling* found =
            FindSiblingToUncheck(At(start), WalkDirection::kBackward, previous, describe);
        if (found == nullptr) {
            found = FindSiblingToUncheck(At(start), WalkDirection::kForward, following, describe);
        }
        return IndexOf(found);
    }
};

constexpr RadioSibling kRadio{true, false, false};
constexpr RadioSibling kCheckedRadio{true, true, false};
constexpr RadioSibling kGroupRadio{true, false, true};
constexpr RadioSibling kCheckedGroupRadio{true, true, true};
constexpr RadioSibling kOther{false, false, false};
constexpr RadioSibling kCheckedOther{false, true, false};

TEST(ControlsRadioGroupWalk, BackwardReachesTheGroupsFirstButtonInclusive) {
    EXPECT_EQ((Row{{kCheckedGroupRadio, kRadio, kRadio}}).SiblingToUncheck(2), 0);
    EXPECT_EQ((Row{{kCheckedRadio, kGroupRadio, kRadio}}).SiblingToUncheck(2), -1);
    EXPECT_EQ((Row{{kCheckedRadio, kRadio, kRadio}}).SiblingToUncheck(2), 0)
        << "without a group start the walk runs to the first sibling";
}

TEST(ControlsRadioGroupWalk, TheGroupsFirstButtonLooksOnlyForward) {
    // Walking back from it would reach into the previous group.
    EXPECT_EQ((Row{{kCheckedRadio, kGroupRadio, kRadio}}).SiblingToUncheck(1), -1);
    EXPECT_EQ((Row{{kCheckedRadio, kGroupRadio, kCheckedRadio}}).SiblingToUncheck(1), 2);
    EXPECT_EQ((Row{{kCheckedRadio, kRadio, kCheckedRadio}}).SiblingToUncheck(1), 0);
}

TEST(ControlsRadioGroupWalk, ForwardStopsBeforeTheNextGroup) {
    EXPECT_EQ((Row{{kGroupRadio, kRadio, kCheckedRadio}}).SiblingToUncheck(0), 2);
    EXPECT_EQ((Row{{kGroupRadio, kRadio, kCheckedGroupRadio}}).SiblingToUncheck(0), -1);
    EXPECT_EQ((Row{{kGroupRadio, kCheckedRadio, kCheckedRadio}}).SiblingToUncheck(0), 1)
        << "only the nearest checked sibling";
}

TEST(ControlsRadioGroupWalk, BackwardIsSearchedBeforeForward) {
    EXPECT_EQ((Row{{kCheckedGroupRadio, kRadio, kCheckedRadio}}).SiblingToUncheck(1), 0);
    EXPECT_EQ((Row{{kCheckedGroupRadio, kCheckedRadio, kRadio}}).SiblingToUncheck(2), 1);
}

TEST(ControlsRadioGroupWalk, AnyOtherWindowEndsTheWalkInItsDirection) {
    EXPECT_EQ((Row{{kCheckedGroupRadio, kOther, kRadio}}).SiblingToUncheck(2), -1);
    EXPECT_EQ((Row{{kGroupRadio, kOther, kCheckedRadio}}).SiblingToUncheck(0), -1);
    EXPECT_EQ((Row{{kCheckedOther, kRadio}}).SiblingToUncheck(1), -1)
        << "a checked button of another kind is not unchecked";
    EXPECT_EQ((Row{{kCheckedGroupRadio, kOther, kRadio, kCheckedRadio}}).SiblingToUncheck(2), 3);
}

TEST(ControlsRadioGroupWalk, ALoneButtonHasNothingToUncheck) {
    EXPECT_EQ((Row{{kGroupRadio}}).SiblingToUncheck(0), -1);
}

TEST(ControlsRadioGroupWalk, StepRules) {
    struct Case {
        RadioSibling sibling;
        WalkStep backward;
        WalkStep forward;
    };
    const Case cases[] = {
        {kRadio, WalkStep::kNext, WalkStep::kNext},
        {kCheckedRadio, WalkStep::kUncheck, WalkStep::kUncheck},
        {kGroupRadio, WalkStep::kStop, WalkStep::kStop},
        {kCheckedGroupRadio, WalkStep::kUncheck, WalkStep::kStop},
        {kOther, WalkStep::kStop, WalkStep::kStop},
        {kCheckedOther, WalkStep::kStop, WalkStep::kStop},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_EQ(StepOverSibling(cases[i].sibling, WalkDirection::kBackward), cases[i].backward);
        EXPECT_EQ(StepOverSibling(cases[i].sibling, WalkDirection::kForward), cases[i].forward);
    }
}

} // namespace
