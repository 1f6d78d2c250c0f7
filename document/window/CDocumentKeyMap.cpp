#include "document/window/CDocumentKeyMap.h"

namespace {

// Qt's codes of printable keys are their upper-case characters.
constexpr int kKeySpace = ' ';
constexpr int kKeyPlus = '+';
constexpr int kKeyEqual = '=';
constexpr int kKeyMinus = '-';
constexpr int kKeyUnderscore = '_';
constexpr int kKeyF = 'F';
constexpr int kKeyY = 'Y';
constexpr int kKeyZ = 'Z';

bool IsKeypad(std::int32_t code)
{
    return code >= CDocumentKeyMap::kKeypad7 && code <= CDocumentKeyMap::kKeypadEnter;
}

// The digit of a main-keyboard key, or -1.
int MainDigit(const CKeyEvent& event)
{
    if (IsKeypad(event.code) || event.nativeKey < '0' || event.nativeKey > '9')
        return -1;
    return event.nativeKey - '0';
}

bool IsPlus(const CKeyEvent& event)
{
    return event.code == CDocumentKeyMap::kKeypadPlus ||
           (!IsKeypad(event.code) && (event.nativeKey == kKeyPlus || event.nativeKey == kKeyEqual));
}

// Keypad minus and the main keyboard's minus key (with or without Shift).
bool IsMinus(const CKeyEvent& event)
{
    return event.code == CDocumentKeyMap::kKeypadMinus ||
           (!IsKeypad(event.code) && (event.nativeKey == kKeyMinus || event.nativeKey == kKeyUnderscore));
}

}  // namespace

DocumentKeyAction CDocumentKeyMap::Translate(const CKeyEvent& event)
{
    if (event.kind == CKeyEvent::kKeyUp)
        return {};
    if (event.modifiers & kControlModifier)
        return WithControl(event);
    if (event.kind == CKeyEvent::kKeyDown) {
        const DocumentKeyAction play = PlayKey(event);
        if (play.kind != DocumentKeyAction::kNone)
            return play;
    }
    return PlainKey(event);
}

DocumentKeyAction CDocumentKeyMap::WithControl(const CKeyEvent& event)
{
    const int digit = MainDigit(event);
    if (digit >= 1 && digit <= 4)
        return {DocumentKeyAction::kSelectTool, digit - 1};
    if (IsPlus(event))
        return {DocumentKeyAction::kMagnifyIn};
    if (IsMinus(event))
        return {DocumentKeyAction::kMagnifyOut};
    if (event.nativeKey == kKeyZ)
        return {(event.modifiers & kShiftModifier) ? DocumentKeyAction::kRedo : DocumentKeyAction::kUndo};
    if (event.nativeKey == kKeyY)
        return {DocumentKeyAction::kRedo};
    return {};
}

DocumentKeyAction CDocumentKeyMap::PlayKey(const CKeyEvent& event)
{
    const auto press = [](DocumentPlayButton button) {
        return DocumentKeyAction{DocumentKeyAction::kPress, static_cast<int>(button)};
    };
    if (event.nativeKey == kKeySpace)
        return {DocumentKeyAction::kStopOrPlayLoop};
    switch (event.code) {
    case kUpArrow:
    case kKeypad8: return press(DocumentPlayButton::kPlayCurrent);
    case kKeypad7: return press(DocumentPlayButton::kPlayPrevious);
    case kKeypad9: return press(DocumentPlayButton::kPlayNext);
    case kKeypad0: return press(DocumentPlayButton::kStop);
    case kKeypadEnter: return press(DocumentPlayButton::kPlayLoop);
    default: return {};
    }
}

DocumentKeyAction CDocumentKeyMap::PlainKey(const CKeyEvent& event)
{
    switch (event.code) {
    case kLeftArrow:
    case kKeypad4: return {DocumentKeyAction::kPreviousSlice};
    case kRightArrow:
    case kKeypad6: return {DocumentKeyAction::kNextSlice};
    case kKeypad1: return {DocumentKeyAction::kPositionToLeftLocator};
    case kKeypad2: return {DocumentKeyAction::kPositionToRightLocator};
    default: break;
    }
    const int digit = MainDigit(event);
    if (digit == 0)
        return {DocumentKeyAction::kSetSensitivity, 0};
    if (digit > 0)
        return {DocumentKeyAction::kSetSensitivity, digit * 110};
    if (IsPlus(event))
        return {DocumentKeyAction::kRaiseSensitivity};
    if (IsMinus(event))
        return {DocumentKeyAction::kLowerSensitivity};
    if (event.nativeKey == kKeyF)
        return {DocumentKeyAction::kToggleScrollDuringPlayback};
    return {};
}
