#pragma once
// A sample as it came from a sampler: its format and its frames as 16-bit
// samples, interleaved when it has more than one channel.
#include <cstdint>
#include <memory>
#include <vector>

#include "samplers/transfer/SampleFormat.h"

class CWaveSample;

// Which channel of a stereo sample becomes the document's sound.
enum class ReceivedChannel { kLeft, kMix, kRight };

struct ReceivedSample {
    SampleFormat format;
    std::vector<std::int16_t> samples;

    std::uint32_t Frames() const;
    // The sound a document is made from: mono 16-bit at the sample's rate,
    // named after the sample (or `fallbackName` when it has none); `channel`
    // matters only for a sample of two or more channels.
    std::unique_ptr<CWaveSample> MakeSound(ReceivedChannel channel, const char* fallbackName) const;
};

// Appends `words` sample words of `width` from `bytes` as 16-bit samples:
// 8-bit words shifted up by 8, 32-bit words keep their top 16 bits.
void AppendWords(std::vector<std::int16_t>& samples, const std::uint8_t* bytes, std::size_t words, FrameWidth width);
