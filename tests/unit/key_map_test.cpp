#include "key_map.h"

#include <gtest/gtest.h>

namespace {

// The platform's virtual-key codes and scroll codes, as its headers define them.
constexpr unsigned VK_TAB = 0x09, VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
                   VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25,
                   VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B,
                   VK_SUBTRACT = 0x6D, VK_OEM_PLUS = 0xBB, VK_OEM_MINUS = 0xBD, VK_NUMPAD1 = 0x61,
                   VK_F4 = 0x73;
constexpr int SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_TOP = 6, SB_BOTTOM = 7;

constexpr KeyModifiers kPlain{};
constexpr KeyModifiers kShift{true, false, false};
constexpr KeyModifiers kCtrl{false, true, false};
constexpr KeyModifiers kAlt{false, false, true};
constexpr KeyModifiers kCtrlShift{true, true, false};
constexpr KeyModifiers kAltGr{false, true, true};

struct Row {
    const char* name;
    unsigned key;
    KeyModifiers modifiers;
    KeyCommand command;
    bool horizontal;
    int codeOrDirection;
};

TEST(KeyMap, EveryKeyOfTheTableGivesItsCommand) {
    const Row rows[] = {
        {"=", VK_OEM_PLUS, kPlain, KeyCommand::kZoomIn, false, 0},
        {"+ (Shift and =)", VK_OEM_PLUS, kShift, KeyCommand::kZoomIn, false, 0},
        {"keypad +", VK_ADD, kPlain, KeyCommand::kZoomIn, false, 0},
        {"-", VK_OEM_MINUS, kPlain, KeyCommand::kZoomOut, false, 0},
        {"keypad -", VK_SUBTRACT, kPlain, KeyCommand::kZoomOut, false, 0},
        {"left", VK_LEFT, kPlain, KeyCommand::kPan, true, -1},
        {"right", VK_RIGHT, kPlain, KeyCommand::kPan, true, 1},
        {"up", VK_UP, kPlain, KeyCommand::kPan, false, -1},
        {"down", VK_DOWN, kPlain, KeyCommand::kPan, false, 1},
        {"Page Up", VK_PRIOR, kPlain, KeyCommand::kScroll, false, SB_PAGEUP},
        {"Page Down", VK_NEXT, kPlain, KeyCommand::kScroll, false, SB_PAGEDOWN},
        {"Shift+Page Up", VK_PRIOR, kShift, KeyCommand::kScroll, true, SB_PAGEUP},
        {"Shift+Page Down", VK_NEXT, kShift, KeyCommand::kScroll, true, SB_PAGEDOWN},
        {"Home", VK_HOME, kPlain, KeyCommand::kScroll, true, SB_TOP},
        {"End", VK_END, kPlain, KeyCommand::kScroll, true, SB_BOTTOM},
        {"Ctrl+Home", VK_HOME, kCtrl, KeyCommand::kScroll, false, SB_TOP},
        {"Ctrl+End", VK_END, kCtrl, KeyCommand::kScroll, false, SB_BOTTOM},
        {"1", '1', kPlain, KeyCommand::kOneToOne, false, 0},
        {"1 typed with Shift", '1', kShift, KeyCommand::kOneToOne, false, 0},
        {"keypad *", VK_MULTIPLY, kPlain, KeyCommand::kOneToOne, false, 0},
        {"B", 'B', kPlain, KeyCommand::kBrighter, false, 0},
        {"Shift+B", 'B', kShift, KeyCommand::kBrighter, false, 0},
        {"D", 'D', kPlain, KeyCommand::kDarker, false, 0},
        {"Ctrl+S", 'S', kCtrl, KeyCommand::kSave, false, 0},
        {"Ctrl+P", 'P', kCtrl, KeyCommand::kPrint, false, 0},
    };
    for (const Row& row : rows) {
        KeyAction action = ActionForKey(row.key, row.modifiers);
        EXPECT_EQ(action.command, row.command) << row.name;
        if (row.command == KeyCommand::kScroll) {
            EXPECT_EQ(action.horizontal, row.horizontal) << row.name;
            EXPECT_EQ(action.scrollCode, row.codeOrDirection) << row.name;
        } else if (row.command == KeyCommand::kPan) {
            EXPECT_EQ(action.horizontal, row.horizontal) << row.name;
            EXPECT_EQ(action.direction, row.codeOrDirection) << row.name;
        }
    }
}

TEST(KeyMap, DialogKeysAltAndOtherCombinationsAreLeftToTheDialog) {
    const std::pair<unsigned, KeyModifiers> others[] = {
        {VK_TAB, kPlain},      {VK_TAB, kShift},      {VK_SPACE, kPlain}, {VK_RETURN, kPlain},
        {VK_ESCAPE, kPlain},   {VK_F4, kAlt},         {'B', kAlt},        {VK_LEFT, kAlt},
        {VK_OEM_PLUS, kAltGr}, {'S', kPlain},         {'P', kPlain},      {'S', kCtrlShift},
        {'B', kCtrl},          {VK_OEM_MINUS, kCtrl}, {VK_LEFT, kCtrl},   {VK_NUMPAD1, kPlain},
        {VK_PRIOR, kCtrl},     {'A', kPlain},
    };
    for (const auto& [key, modifiers] : others) {
        EXPECT_EQ(ActionForKey(key, modifiers).command, KeyCommand::kNone)
            << "key " << key << " shift " << modifiers.shift << " ctrl " << modifiers.ctrl
            << " alt " << modifiers.alt;
    }
}

TEST(KeyMap, ArrowsMoveATenthOfTheVisiblePartAndAtLeastOnePixel) {
    EXPECT_EQ(PanStep(640), 64);
    EXPECT_EQ(PanStep(575), 57);
    EXPECT_EQ(PanStep(48), 4);
    EXPECT_EQ(PanStep(10), 1);
    EXPECT_EQ(PanStep(9), 1);
    EXPECT_EQ(PanStep(0), 1);
}

} // namespace
