#pragma once
// The chunk routines of a WAV file (little-endian) on top of the flat writer.
#include <cstdint>

#include "formats/chunks/RIFF_WRITER.h"

class CWaveWriter : public RIFF_WRITER {
public:
    explicit CWaveWriter(CMedia& media) : RIFF_WRITER(media) {}

    // fmt : PCM, channels, rate, bytes per second, block align, 16 bits.
    void WriteFmt(std::uint16_t channels, std::uint32_t rate);
    // Writes samples (machine order in memory) as 16-bit little-endian
    // values, inside a "data" chunk the caller begins and ends.
    void WriteSamples(const std::int16_t* samples, std::int64_t count);
};
