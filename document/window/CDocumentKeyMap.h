#pragma once
// The keyboard commands of a document window. Keys arrive with the
// framework's key code (keypad keys have their own codes), the Qt key they
// came from (printable keys carry their upper-case character code) and the
// modifier bits.
#include <cstdint>

#include "framework/keys/CKeyEvent.h"

enum class DocumentPlayButton { kStop, kPlayLoop, kPlayPrevious, kPlayCurrent, kPlayNext };

struct DocumentKeyAction {
    enum Kind {
        kNone,
        kSelectTool,          // value: the tool
        kMagnifyIn,
        kMagnifyOut,
        kSetSensitivity,      // value: the sensitivity
        kRaiseSensitivity,
        kLowerSensitivity,
        kToggleScrollDuringPlayback,
        kPreviousSlice,
        kNextSlice,
        kPositionToLeftLocator,
        kPositionToRightLocator,
        kStopOrPlayLoop,      // Stop while the window's sound plays, else Play loop
        kPress,               // value: the DocumentPlayButton
        kUndo,                // Ctrl+Z
        kRedo,                // Ctrl+Shift+Z, Ctrl+Y
    };
    Kind kind = kNone;
    int value = 0;
};

class CDocumentKeyMap {
public:
    // Qt's modifier bits as key events carry them.
    static constexpr std::uint32_t kShiftModifier = 0x02000000;
    static constexpr std::uint32_t kControlModifier = 0x04000000;
    static constexpr std::uint32_t kAltModifier = 0x08000000;

    // Framework codes of the numeric keypad.
    static constexpr std::int32_t kKeypad0 = 103;
    static constexpr std::int32_t kKeypad1 = 100;
    static constexpr std::int32_t kKeypad2 = 101;
    static constexpr std::int32_t kKeypad4 = 96;
    static constexpr std::int32_t kKeypad6 = 98;
    static constexpr std::int32_t kKeypad7 = 92;
    static constexpr std::int32_t kKeypad8 = 93;
    static constexpr std::int32_t kKeypad9 = 94;
    static constexpr std::int32_t kKeypadMinus = 95;
    static constexpr std::int32_t kKeypadPlus = 99;
    static constexpr std::int32_t kKeypadEnter = 105;
    static constexpr std::int32_t kLeftArrow = 85;
    static constexpr std::int32_t kUpArrow = 84;
    static constexpr std::int32_t kRightArrow = 87;

    // Key-up events and keys without a meaning give kNone; play keys act on
    // the first key-down only, the others also repeat.
    static DocumentKeyAction Translate(const CKeyEvent& event);

private:
    static DocumentKeyAction WithControl(const CKeyEvent& event);
    static DocumentKeyAction PlayKey(const CKeyEvent& event);
    static DocumentKeyAction PlainKey(const CKeyEvent& event);
};
