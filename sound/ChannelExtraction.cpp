#include "sound/ChannelExtraction.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMedia.h"
#include "sound/SampleBlock.h"

namespace {

// Large pieces keep the number of reads from a file small.
constexpr std::uint32_t kPieceBytes = 262144;

std::int32_t SampleOf(const std::uint8_t* frame, int index, int bytesPerSample)
{
    if (bytesPerSample == 1)
        return static_cast<std::int8_t>(frame[index]) * 256;
    std::int16_t value = 0;
    std::memcpy(&value, frame + 2 * index, 2);
    return value;
}

// The chosen channel (or the mean of the first two) of count interleaved
// 16-bit frames, each sample passed through load on the way: one loop that
// the compiler vectorizes for stereo sources.
template <class Load>
void Reduce16(const std::int16_t* in, std::uint32_t count, int channels, int channel, std::int16_t* out, Load load)
{
    const auto reduce = [&](auto stride) {
        if (channel == kMixChannels) {
            for (std::uint32_t i = 0; i < count; ++i)
                out[i] = static_cast<std::int16_t>((load(in[i * stride]) + load(in[i * stride + 1])) >> 1);
        } else {
            const auto at = static_cast<std::uint32_t>(channel);
            for (std::uint32_t i = 0; i < count; ++i)
                out[i] = static_cast<std::int16_t>(load(in[i * stride + at]));
        }
    };
    if (channels == 2)
        reduce(std::integral_constant<std::uint32_t, 2>{});
    else
        reduce(static_cast<std::uint32_t>(channels));
}

} // namespace

CChannelReader::CChannelReader(int channels, int bytesPerSample, int channel, bool swapBytes)
    : channels_(channels), bytesPerSample_(bytesPerSample), channel_(channel), swapBytes_(swapBytes)
{
    const bool mix = channel == kMixChannels;
    if ((bytesPerSample != 1 && bytesPerSample != 2) || channels < 1 || channels > 256 ||
        (mix ? channels < 2 : (channel < 0 || channel >= channels)))
        throw XUnsupportedFormat();
}

void CChannelReader::Read(CMedia& source, std::uint32_t frames, std::int16_t* destination)
{
    if (channels_ == 1 && bytesPerSample_ == 2) {
        // Mono 16-bit samples are read straight into place.
        source.Read(std::int64_t{frames} * 2, destination);
        if (swapBytes_)
            SwapSampleBytes(destination, frames);
        return;
    }
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(channels_ * bytesPerSample_);
    const std::uint32_t pieceFrames = std::min(kPieceBytes / frameBytes, frames);
    const std::size_t pieceSamples = (std::size_t{pieceFrames} * frameBytes + 1) / 2;
    if (piece_.size() < pieceSamples)
        piece_.resize(pieceSamples);
    auto* input = reinterpret_cast<std::uint8_t*>(piece_.data());
    for (std::uint32_t done = 0; done < frames;) {
        const std::uint32_t count = std::min(pieceFrames, frames - done);
        source.Read(std::int64_t{count} * frameBytes, input);
        std::int16_t* out = destination + done;
        if (bytesPerSample_ == 2) {
            const auto* samples = reinterpret_cast<const std::int16_t*>(input);
            if (swapBytes_)
                Reduce16(samples, count, channels_, channel_, out, [](std::int16_t v) { return SwappedBytes(v); });
            else
                Reduce16(samples, count, channels_, channel_, out, [](std::int16_t v) { return std::int32_t{v}; });
        } else {
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint8_t* frame = input + std::size_t{i} * frameBytes;
                out[i] = static_cast<std::int16_t>(channel_ == kMixChannels
                                                       ? (SampleOf(frame, 0, 1) + SampleOf(frame, 1, 1)) >> 1
                                                       : SampleOf(frame, channel_, 1));
            }
        }
        done += count;
    }
}

void ExtractChannel(CMedia& source, std::uint32_t frames, int channels, int bytesPerSample, int channel,
                    bool swapBytes, std::int16_t* destination)
{
    CChannelReader(channels, bytesPerSample, channel, swapBytes).Read(source, frames, destination);
}
