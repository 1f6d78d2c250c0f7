#pragma once
// Hands every sample of a document sound, page by page, to a chunk writer's
// WriteSamples, without changing the sound.
#include <cstdint>

#include "sound/WAVE_SAMPLE.h"

template <class Writer>
void WriteSoundSamples(Writer& writer, const WAVE_SAMPLE& sample) {
    sample.Samples().Walk(0, sample.Samples().Size(),
                          [&writer](const std::uint8_t* block, std::uint32_t length, std::uint32_t) {
                              writer.WriteSamples(reinterpret_cast<const std::int16_t*>(block), length / 2);
                              return true;
                          });
}
