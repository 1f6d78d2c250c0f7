#pragma once
// A key event as windows and views receive it, with the framework's own key
// code (see CKeyCodeTable).
#include <cstdint>

struct CKeyEvent {
    enum Kind : std::int32_t { kKeyDown = 10, kKeyRepeat = 11, kKeyUp = 12 };

    std::uint32_t modifiers = 0;  // Qt::KeyboardModifiers bits
    std::int32_t code = 0;
    Kind kind = kKeyDown;
    char character = 0;
    int nativeKey = 0;            // the Qt::Key it came from
};
