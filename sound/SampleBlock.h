#pragma once
// Whole-block operations on 16-bit samples, flat or in a paged store.
#include <cstddef>
#include <cstdint>

class BAT;
class WAVE_SAMPLE;

// Unity gain in 1/32768 units.
inline constexpr std::int32_t kUnityGain = 32768;

// The sample with its two bytes exchanged.
inline std::int16_t SwappedBytes(std::int16_t sample)
{
    const auto v = static_cast<std::uint16_t>(sample);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((v >> 8) | (v << 8)));
}

// Reverses the byte order of n samples in place.
void SwapSampleBytes(std::int16_t* samples, std::size_t n);

// Each sample becomes (sample * gain) >> 15, held to the 16-bit range;
// unity gain leaves the block untouched.
void ScaleSamples(std::int16_t* samples, std::size_t n, std::int32_t gain);
void ScaleSamples(BAT& store, std::int32_t gain);

// The largest absolute sample value of the store (32768 for a -32768 sample).
std::int32_t PeakLevel(const BAT& store);

// Scales the sound so that its peak becomes 32767; a silent sound is left alone.
void Normalize(WAVE_SAMPLE& sound);
