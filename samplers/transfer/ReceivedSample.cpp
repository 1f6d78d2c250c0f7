#include "samplers/transfer/ReceivedSample.h"

#include <cstring>

#include "sound/CWaveSample.h"

std::uint32_t ReceivedSample::Frames() const
{
    const std::size_t channels = format.channels == 0 ? 1 : format.channels;
    return static_cast<std::uint32_t>(samples.size() / channels);
}

std::unique_ptr<CWaveSample> ReceivedSample::MakeSound(ReceivedChannel channel, const char* fallbackName) const
{
    const std::size_t channels = format.channels == 0 ? 1 : format.channels;
    const std::uint32_t frames = Frames();
    auto sound = std::make_unique<CWaveSample>(format.name.empty() ? fallbackName : format.name.c_str(), format.rate,
                                               frames);
    std::int16_t* out = sound->Data();
    for (std::uint32_t i = 0; i < frames; ++i) {
        const std::int16_t* frame = samples.data() + std::size_t{i} * channels;
        if (channels == 1 || channel == ReceivedChannel::kLeft)
            out[i] = frame[0];
        else if (channel == ReceivedChannel::kRight)
            out[i] = frame[1];
        else
            out[i] = static_cast<std::int16_t>((std::int32_t{frame[0]} + frame[1]) / 2);
    }
    return sound;
}

void AppendWords(std::vector<std::int16_t>& samples, const std::uint8_t* bytes, std::size_t words, FrameWidth width)
{
    for (std::size_t i = 0; i < words; ++i) {
        switch (width) {
        case FrameWidth::k8:
            samples.push_back(static_cast<std::int16_t>(static_cast<std::int8_t>(bytes[i]) * 256));
            break;
        case FrameWidth::k16: {
            std::int16_t word;
            std::memcpy(&word, bytes + i * 2, 2);
            samples.push_back(word);
            break;
        }
        case FrameWidth::k32: {
            std::int32_t word;
            std::memcpy(&word, bytes + i * 4, 4);
            samples.push_back(static_cast<std::int16_t>(word >> 16));
            break;
        }
        }
    }
}
