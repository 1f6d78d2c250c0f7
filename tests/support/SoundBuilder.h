#pragma once
// Small hand-made sounds for the document tests.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>

#include "sound/WAVE_SAMPLE.h"

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
