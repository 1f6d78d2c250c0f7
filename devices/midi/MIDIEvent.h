#pragma once
// One short MIDI message as an input delivers it.
#include <cstdint>

struct MIDIEvent {
    std::uint32_t time = 0;  // milliseconds of the program's clock
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;

    bool operator==(const MIDIEvent&) const = default;
};
