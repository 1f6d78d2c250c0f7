#include "gui/framework/views/CKeyCodeTable.h"

#include <Qt>
#include <utility>

namespace {

std::int32_t RowCode(int key, const char* row, std::int32_t first)
{
    for (std::int32_t i = 0; row[i]; ++i)
        if (key == row[i])
            return first + i;
    return 0;
}

std::int32_t KeypadCode(int key)
{
    switch (key) {
    case Qt::Key_Enter: return 105;
    case Qt::Key_Asterisk: return 91;
    case Qt::Key_Minus: return 95;
    case Qt::Key_Plus: return 99;
    case Qt::Key_7: case Qt::Key_8: case Qt::Key_9: return 92 + (key - Qt::Key_7);
    case Qt::Key_4: case Qt::Key_5: case Qt::Key_6: return 96 + (key - Qt::Key_4);
    case Qt::Key_1: case Qt::Key_2: case Qt::Key_3: return 100 + (key - Qt::Key_1);
    case Qt::Key_0: return 103;
    default: return 0;
    }
}

}  // namespace

std::int32_t CKeyCodeTable::Code(int key, bool keypad)
{
    if (keypad) {
        if (const std::int32_t code = KeypadCode(key))
            return code;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F15)
        return 2 + (key - Qt::Key_F1);
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return 18 + (key - Qt::Key_1);
    static const std::pair<const char*, std::int32_t> letterRows[] = {
        {"QWERTYUIOP", 32}, {"ASDFGHJKL", 46}, {"ZXCVBNM", 60}};
    for (const auto& [row, first] : letterRows)
        if (const std::int32_t code = RowCode(key, row, first))
            return code;
    switch (key) {
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_0: return 27;
    case Qt::Key_Equal: case Qt::Key_Plus: return 28;
    case Qt::Key_Backspace: return 30;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 31;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 42;
    case Qt::Key_Return: return kReturn;
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_CapsLock: return 45;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 55;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 56;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 57;
    case Qt::Key_Shift: return 58;
    case Qt::Key_Comma: case Qt::Key_Less: return 67;
    case Qt::Key_Period: case Qt::Key_Greater: return 68;
    case Qt::Key_Slash: case Qt::Key_Question: return 69;
    case Qt::Key_Control: return 71;
    case Qt::Key_Alt: return 72;
    case Qt::Key_Space: return 74;
    case Qt::Key_Insert: return 78;
    case Qt::Key_Home: return 79;
    case Qt::Key_PageUp: return 80;
    case Qt::Key_Delete: return 81;
    case Qt::Key_End: return 82;
    case Qt::Key_PageDown: return 83;
    case Qt::Key_Up: return 84;
    case Qt::Key_Left: return kLeft;
    case Qt::Key_Down: return 86;
    case Qt::Key_Right: return kRight;
    default: return 0;
    }
}
