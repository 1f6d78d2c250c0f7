#include "document/buffer/ChannelExtraction.h"

#include <algorithm>
#include <cstring>

#include "document/buffer/SampleBlock.h"
#include "formats/streams/CMedia.h"
#include "framework/exceptions/GeneralExceptions.h"

namespace {

constexpr std::uint32_t kPieceBytes = 16384;

std::int32_t SampleOf(const std::uint8_t* frame, int index, int bytesPerSample)
{
    if (bytesPerSample == 1)
        return static_cast<std::int8_t>(frame[index]) * 256;
    std::int16_t value = 0;
    std::memcpy(&value, frame + 2 * index, 2);
    return value;
}

} // namespace

void ExtractChannel(CMedia& source, std::uint32_t frames, int channels, int bytesPerSample, int channel,
                    bool swapBytes, CMedia& destination)
{
    const bool mix = channel == kMixChannels;
    if ((bytesPerSample != 1 && bytesPerSample != 2) || channels < 1 || channels > 256 ||
        (mix ? channels < 2 : (channel < 0 || channel >= channels)))
        throw XUnsupportedFormat();

    const std::uint32_t frameBytes = static_cast<std::uint32_t>(channels * bytesPerSample);
    const std::uint32_t pieceFrames = kPieceBytes / frameBytes;
    alignas(std::int16_t) std::uint8_t input[kPieceBytes];
    std::int16_t output[kPieceBytes / 2];
    for (std::uint32_t done = 0; done < frames;) {
        const std::uint32_t count = std::min(pieceFrames, frames - done);
        source.Read(std::int64_t{count} * frameBytes, input);
        if (swapBytes && bytesPerSample == 2)
            SwapSampleBytes(reinterpret_cast<std::int16_t*>(input), std::size_t{count} * channels);
        if (channels == 1 && bytesPerSample == 2) {
            destination.Write(std::int64_t{count} * 2, input);
        } else {
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint8_t* frame = input + std::size_t{i} * frameBytes;
                output[i] = static_cast<std::int16_t>(
                    mix ? (SampleOf(frame, 0, bytesPerSample) + SampleOf(frame, 1, bytesPerSample)) >> 1
                        : SampleOf(frame, channel, bytesPerSample));
            }
            destination.Write(std::int64_t{count} * 2, output);
        }
        done += count;
    }
}
