// The keyboard commands of a document window.
#include <gtest/gtest.h>

#include <optional>

#include "tests/support/KeyEvents.h"

namespace {

using Map = CDocumentKeyMap;
using Action = DocumentKeyAction;
using Button = DocumentPlayButton;
constexpr std::uint32_t kCtrl = Map::kControlModifier;
constexpr CKeyEvent::Kind kRepeat = CKeyEvent::kKeyRepeat;

TEST(DocumentKeyMap, KeysTranslateToTheirActions)
{
    struct Case {
        CKeyEvent event;
        Action::Kind kind;
        std::optional<int> value;
    };
    const Case cases[] = {
        {MainKey('1', kCtrl), Action::kSelectTool, 0},
        {MainKey('2', kCtrl), Action::kSelectTool, 1},
        {MainKey('3', kCtrl), Action::kSelectTool, 2},
        {MainKey('4', kCtrl), Action::kSelectTool, 3},
        {MainKey('5', kCtrl), Action::kNone, {}},
        {MainKey('+', kCtrl), Action::kMagnifyIn, {}},
        {MainKey('=', kCtrl), Action::kMagnifyIn, {}},
        {CodeKey(Map::kKeypadPlus, '+', kCtrl), Action::kMagnifyIn, {}},
        {MainKey('-', kCtrl), Action::kMagnifyOut, {}},
        {CodeKey(Map::kKeypadMinus, '-', kCtrl), Action::kMagnifyOut, {}},
        {MainKey('/', kCtrl), Action::kNone, {}},
        {MainKey('Z', kCtrl), Action::kUndo, {}},
        {MainKey('Z', kCtrl | Map::kShiftModifier), Action::kRedo, {}},
        {MainKey('Y', kCtrl), Action::kRedo, {}},
        {MainKey('Z'), Action::kNone, {}},
        {MainKey('5'), Action::kSetSensitivity, 550},
        {MainKey('9'), Action::kSetSensitivity, 990},
        {MainKey('0'), Action::kSetSensitivity, 0},
        {MainKey('+'), Action::kRaiseSensitivity, {}},
        {MainKey('-'), Action::kLowerSensitivity, {}},
        {MainKey('-', 0, kRepeat), Action::kLowerSensitivity, {}},
        // Keypad digits are not sensitivity keys.
        {CodeKey(Map::kKeypad0, '0'), Action::kPress, static_cast<int>(Button::kStop)},
        {CodeKey(Map::kKeypad4, '4'), Action::kPreviousSlice, {}},
        {CodeKey(Map::kKeypad6, '6'), Action::kNextSlice, {}},
        {CodeKey(Map::kKeypad1, '1'), Action::kPositionToLeftLocator, {}},
        {CodeKey(Map::kKeypad2, '2'), Action::kPositionToRightLocator, {}},
        {CodeKey(102, '3'), Action::kNone, {}},
        {MainKey(' '), Action::kStopOrPlayLoop, {}},
        {MainKey(' ', 0, kRepeat), Action::kNone, {}},
        {MainKey('F'), Action::kToggleScrollDuringPlayback, {}},
        {CodeKey(Map::kLeftArrow), Action::kPreviousSlice, {}},
        {CodeKey(Map::kRightArrow), Action::kNextSlice, {}},
        {MainKey('5', 0, CKeyEvent::kKeyUp), Action::kNone, {}},
        {MainKey('Q'), Action::kNone, {}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Action action = Map::Translate(cases[i].event);
        EXPECT_EQ(action.kind, cases[i].kind) << "case " << i;
        if (cases[i].value) {
            EXPECT_EQ(action.value, *cases[i].value) << "case " << i;
        }
    }
}

TEST(DocumentKeyMap, PlayKeysActOnTheFirstKeyDownOnly)
{
    const std::pair<CKeyEvent, Button> keys[] = {
        {CodeKey(Map::kUpArrow), Button::kPlayCurrent},
        {CodeKey(Map::kKeypad8, '8'), Button::kPlayCurrent},
        {CodeKey(Map::kKeypad7, '7'), Button::kPlayPrevious},
        {CodeKey(Map::kKeypad9, '9'), Button::kPlayNext},
        {CodeKey(Map::kKeypadEnter), Button::kPlayLoop},
    };
    for (const auto& [event, button] : keys) {
        const Action action = Map::Translate(event);
        EXPECT_EQ(action.kind, Action::kPress);
        EXPECT_EQ(action.value, static_cast<int>(button));
        CKeyEvent repeat = event;
        repeat.kind = kRepeat;
        EXPECT_NE(Map::Translate(repeat).kind, Action::kPress);
    }
}

}  // namespace
