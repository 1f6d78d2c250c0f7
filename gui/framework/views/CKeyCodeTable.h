#pragma once
// The framework's key codes, numbered by the keys' places on the keyboard row
// by row (Escape 1, F1 2, ..., keypad 3 is 102). Keys without a code give 0.
#include <cstdint>

class CKeyCodeTable {
public:
    static constexpr std::int32_t kEscape = 1;
    static constexpr std::int32_t kReturn = 44;
    static constexpr std::int32_t kEnter = 105;
    static constexpr std::int32_t kLeft = 85;
    static constexpr std::int32_t kRight = 87;

    // The code of a Qt::Key; `keypad` tells a key of the numeric keypad.
    static std::int32_t Code(int qtKey, bool keypad);
};
