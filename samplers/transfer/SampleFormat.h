#pragma once
// The plain description of one sample on its way between a document and a
// sampler family: name, channels, bits, rate, length with start and end, a
// sustain and a release loop, root key, key range and fine tune.
#include <cstdint>
#include <string>

enum class LoopMode : std::uint32_t { kNoLoopData = 0, kOff = 1, kForward = 2, kAlternating = 3 };

struct SampleLoop {
    LoopMode mode = LoopMode::kNoLoopData;
    std::uint32_t start = 0;
    std::uint32_t end = 0;
};

// The bytes of one sample word as the transfer interfaces pass frames:
// k16 frames are std::int16_t, k32 frames std::int32_t.
enum class FrameWidth : std::uint8_t { k8 = 0, k16 = 1, k32 = 2 };

struct SampleFormat {
    static constexpr std::size_t kNameLength = 255;

    std::string name;
    std::uint8_t channels = 1;
    std::uint8_t bits = 16;
    std::uint32_t rate = 44100;
    std::uint32_t length = 0;  // frames
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    SampleLoop sustain;
    SampleLoop release;
    std::uint8_t rootKey = 60;
    std::uint8_t lowestKey = 0;
    std::uint8_t highestKey = 127;
    std::int16_t fineTune = 0;

    // Clamps end, start and the points of each loop that has loop data to
    // `frames` (the length itself is left to the caller).
    void Shorten(std::uint32_t frames);
};

// Bytes of one sample word of the width: 1, 2 or 4.
std::size_t BytesPerWord(FrameWidth width);
