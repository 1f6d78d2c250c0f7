// The keyboard commands of a document window.
#include <gtest/gtest.h>

#include "tests/docwin/KeyEvents.h"

namespace {

using Map = CDocumentKeyMap;
using Action = DocumentKeyAction;
constexpr std::uint32_t kCtrl = Map::kControlModifier;

Action::Kind KindOf(const CKeyEvent& event)
{
    return Map::Translate(event).kind;
}

TEST(DocumentKeyMap, ControlDigitsSelectTheFourTools)
{
    for (char key = '1'; key <= '4'; ++key) {
        const Action action = Map::Translate(MainKey(key, kCtrl));
        EXPECT_EQ(action.kind, Action::kSelectTool);
        EXPECT_EQ(action.value, key - '1');
    }
    EXPECT_EQ(KindOf(MainKey('5', kCtrl)), Action::kNone);
}

TEST(DocumentKeyMap, ControlPlusMagnifiesFromEitherKeyboard)
{
    EXPECT_EQ(KindOf(MainKey('+', kCtrl)), Action::kMagnifyIn);
    EXPECT_EQ(KindOf(MainKey('=', kCtrl)), Action::kMagnifyIn);
    EXPECT_EQ(KindOf(CodeKey(Map::kKeypadPlus, '+', kCtrl)), Action::kMagnifyIn);
}

TEST(DocumentKeyMap, ControlMinusZoomsOutAndSlashDoesNot)
{
    EXPECT_EQ(KindOf(MainKey('-', kCtrl)), Action::kMagnifyOut);
    EXPECT_EQ(KindOf(CodeKey(Map::kKeypadMinus, '-', kCtrl)), Action::kMagnifyOut);
    EXPECT_EQ(KindOf(MainKey('/', kCtrl)), Action::kNone);
}

TEST(DocumentKeyMap, DigitsSetTheSensitivity)
{
    EXPECT_EQ(Map::Translate(MainKey('5')).value, 550);
    EXPECT_EQ(Map::Translate(MainKey('9')).value, 990);
    const Action zero = Map::Translate(MainKey('0'));
    EXPECT_EQ(zero.kind, Action::kSetSensitivity);
    EXPECT_EQ(zero.value, 0);
    EXPECT_EQ(KindOf(MainKey('+')), Action::kRaiseSensitivity);
    EXPECT_EQ(KindOf(MainKey('-')), Action::kLowerSensitivity);
    EXPECT_EQ(KindOf(MainKey('-', 0, CKeyEvent::kKeyRepeat)), Action::kLowerSensitivity);
}

TEST(DocumentKeyMap, KeypadDigitsAreNotSensitivityKeys)
{
    const Action stop = Map::Translate(CodeKey(Map::kKeypad0, '0'));
    EXPECT_EQ(stop.kind, Action::kPress);
    EXPECT_EQ(stop.value, static_cast<int>(DocumentPlayButton::kStop));
    EXPECT_EQ(KindOf(CodeKey(Map::kKeypad4, '4')), Action::kPreviousSlice);
    EXPECT_EQ(KindOf(CodeKey(Map::kKeypad6, '6')), Action::kNextSlice);
    EXPECT_EQ(KindOf(CodeKey(Map::kKeypad1, '1')), Action::kPositionToLeftLocator);
    EXPECT_EQ(KindOf(CodeKey(Map::kKeypad2, '2')), Action::kPositionToRightLocator);
    EXPECT_EQ(KindOf(CodeKey(102, '3')), Action::kNone);
}

TEST(DocumentKeyMap, PlayKeysActOnTheFirstKeyDownOnly)
{
    const std::pair<CKeyEvent, DocumentPlayButton> keys[] = {
        {CodeKey(Map::kUpArrow), DocumentPlayButton::kPlayCurrent},
        {CodeKey(Map::kKeypad8, '8'), DocumentPlayButton::kPlayCurrent},
        {CodeKey(Map::kKeypad7, '7'), DocumentPlayButton::kPlayPrevious},
        {CodeKey(Map::kKeypad9, '9'), DocumentPlayButton::kPlayNext},
        {CodeKey(Map::kKeypadEnter), DocumentPlayButton::kPlayLoop},
    };
    for (const auto& [event, button] : keys) {
        const Action action = Map::Translate(event);
        EXPECT_EQ(action.kind, Action::kPress);
        EXPECT_EQ(action.value, static_cast<int>(button));
        CKeyEvent repeat = event;
        repeat.kind = CKeyEvent::kKeyRepeat;
        EXPECT_NE(KindOf(repeat), Action::kPress);
    }
    EXPECT_EQ(KindOf(MainKey(' ')), Action::kStopOrPlayLoop);
    EXPECT_EQ(KindOf(MainKey(' ', 0, CKeyEvent::kKeyRepeat)), Action::kNone);
}

TEST(DocumentKeyMap, OtherKeys)
{
    EXPECT_EQ(KindOf(MainKey('F')), Action::kToggleScrollDuringPlayback);
    EXPECT_EQ(KindOf(CodeKey(Map::kLeftArrow)), Action::kPreviousSlice);
    EXPECT_EQ(KindOf(CodeKey(Map::kRightArrow)), Action::kNextSlice);
    EXPECT_EQ(KindOf(MainKey('5', 0, CKeyEvent::kKeyUp)), Action::kNone);
    EXPECT_EQ(KindOf(MainKey('Q')), Action::kNone);
}

}  // namespace
