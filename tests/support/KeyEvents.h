#pragma once
// Key events as the framework builds them from Qt's keys.
#include "document/window/CDocumentKeyMap.h"

// A main-keyboard key: Qt's key code is the character's upper-case code.
inline CKeyEvent MainKey(char key, std::uint32_t modifiers = 0, CKeyEvent::Kind kind = CKeyEvent::kKeyDown)
{
    CKeyEvent event;
    event.nativeKey = key;
    event.character = key;
    event.modifiers = modifiers;
    event.kind = kind;
    if (key >= '1' && key <= '9')
        event.code = 18 + (key - '1');
    else if (key == '0')
        event.code = 27;
    return event;
}

// A key known by its framework code (keypad keys, arrows), with the Qt key
// it came from.
inline CKeyEvent CodeKey(std::int32_t code, int nativeKey = 0, std::uint32_t modifiers = 0)
{
    CKeyEvent event;
    event.code = code;
    event.nativeKey = nativeKey;
    event.modifiers = modifiers;
    return event;
}
