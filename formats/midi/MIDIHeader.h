#pragma once
// The header record of a Standard MIDI File.
#include <cstdint>

struct MIDIHeader {
    static constexpr std::int32_t kFramesAndTicks = 10;
    static constexpr std::int32_t kTicksPerQuarter = 11;

    std::uint16_t format = 1;
    std::uint16_t trackCount = 0;
    std::int32_t divisionKind = kTicksPerQuarter;
    std::uint16_t division = 960;
    std::uint8_t framesPerSecond = 0;  // with kFramesAndTicks only
    std::uint8_t ticksPerFrame = 0;    // with kFramesAndTicks only
};
