#pragma once
// The S-760's 48-byte sample parameter block and how it stands to the
// program's SampleFormat. Wave memory is counted in segments of 4608 frames;
// every address in the block is in 1/256 frame from the start of wave
// memory and is stored plus 2048 (Encode adds it, Decode takes it off, and
// nothing else sees it).
#include <array>
#include <cstdint>
#include <string>

#include "samplers/transfer/SampleFormat.h"

namespace S760 {

inline constexpr std::uint32_t kSegmentFrames = 4608;
inline constexpr std::uint32_t kFramesPerAddress = 256;
inline constexpr std::uint32_t kStoredAddressOffset = 2048;
inline constexpr std::size_t kParameterBytes = 48;
inline constexpr std::size_t kNameBytes = 16;
inline constexpr std::uint8_t kEmptyMark = 0x7F;

enum class Half { kMono, kLeft, kRight };

struct SampleParameters {
    std::array<std::uint8_t, kNameBytes> name{};  // first byte 7F: an empty slot
    // Addresses in 1/256 frame from the start of wave memory.
    std::uint32_t start = 0;
    std::uint32_t sustainStart = 0;
    std::uint32_t sustainEnd = 0;
    std::uint32_t releaseStart = 0;
    std::uint32_t releaseEnd = 0;
    std::uint8_t loopMode = 0;
    std::array<std::uint8_t, 3> settings{};
    std::uint16_t firstSegment = 0;
    std::uint16_t segmentCount = 0;
    std::uint8_t rateIndex = 1;
    std::uint8_t rootKey = 60;
    std::array<std::uint8_t, 2> moreSettings{};

    bool IsEmpty() const { return name[0] == kEmptyMark; }
    std::uint32_t Base() const { return std::uint32_t{firstSegment} * kSegmentFrames * kFramesPerAddress; }

    std::array<std::uint8_t, kParameterBytes> Encode() const;
    static SampleParameters Decode(const std::array<std::uint8_t, kParameterBytes>& block);
    static SampleParameters Empty();
};

// The rates of the rate index 0-7; an index of 8 or more reads as 44100.
std::uint32_t RateOfIndex(std::uint8_t index);
// The index of the smallest table rate not below `rate` (48000 above it).
std::uint8_t SnapRateIndex(std::uint32_t rate);
std::uint32_t SnapRate(std::uint32_t rate);

// The loop points and length fitted to what the S-760 plays: an end loop
// of 4 frames and room after it, the length a whole number of segments less
// 4 frames.
void FitLoopPoints(SampleFormat& format);
// The block of a fitted format stored at `firstSegment` (`segmentCount`
// long); `half` marks a stereo half by name.
SampleParameters FormatToParameters(const SampleFormat& format, std::uint16_t firstSegment,
                                    std::uint16_t segmentCount, Half half);
// The format the block describes: mono 16 bits, its loops by the loop mode.
SampleFormat ParametersToFormat(const SampleParameters& parameters);

}  // namespace S760
