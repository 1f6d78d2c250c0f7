#pragma once
// Small hand-made sounds for the tests, and the samples a sound holds.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "sound/WAVE_SAMPLE.h"

// A sound of `frames` frames whose frame i holds value(i).
inline std::unique_ptr<WAVE_SAMPLE> MakeSound(std::uint32_t rate, std::uint32_t frames,
                                              const std::function<std::int16_t(std::uint32_t)>& value)
{
    auto sound = std::make_unique<WAVE_SAMPLE>("Loop", rate, frames);
    for (std::uint32_t i = 0; i < frames; ++i)
        sound->Samples().WriteSample(i, value(i));
    return sound;
}

// A sound holding exactly these samples.
inline std::unique_ptr<WAVE_SAMPLE> SoundOf(const std::vector<std::int16_t>& samples, std::uint32_t rate = 44100)
{
    return MakeSound(rate, static_cast<std::uint32_t>(samples.size()), [&](std::uint32_t i) { return samples[i]; });
}

// A silent sound of frames frames with the listed (frame, value) samples set.
inline std::unique_ptr<WAVE_SAMPLE> SparseSound(std::uint32_t frames,
                                                std::initializer_list<std::pair<std::uint32_t, std::int16_t>> samples,
                                                std::uint32_t rate = 44100)
{
    auto sound = std::make_unique<WAVE_SAMPLE>("Loop", rate, frames);
    for (const auto& [frame, value] : samples)
        sound->Samples().WriteSample(frame, value);
    return sound;
}

inline std::vector<std::int16_t> SamplesOf(const WAVE_SAMPLE& sound)
{
    std::vector<std::int16_t> samples(sound.Frames());
    for (std::uint32_t i = 0; i < sound.Frames(); ++i)
        samples[i] = sound.Sample(i);
    return samples;
}
