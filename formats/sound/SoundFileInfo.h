#pragma once
// What a sound file's header says about its sound, and where its frames lie.
#include <cstdint>

struct SoundFileInfo {
    // Channel count and sample size are kept at the width the file stores them
    // in (16 bits), so that a value such as 258 channels is not mistaken for 2.
    std::uint16_t channels = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t sampleRate = 0;  // whole hertz, truncated toward zero
    std::uint32_t frameCount = 0;
    std::uint8_t supported = 0;    // 1 when bitsPerSample is 16
};

// The interleaved sample frames of a file: where they start, how many bytes
// the file holds for them, and their byte order.
struct SoundData {
    std::int64_t offset = 0;
    std::int64_t size = 0;
    bool littleEndian = false;
};
