#include "samplers/emu/CEMUSCSIInterface.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kRates[] = {48000, 44100, 32000, 22050, 11025, 8000};

std::uint32_t EMURate(std::uint32_t rate)
{
    if (std::find(std::begin(kRates), std::end(kRates), rate) != std::end(kRates))
        return rate;
    std::uint32_t above = 0;
    for (const std::uint32_t candidate : kRates)
        if (candidate > rate && (above == 0 || candidate < above))
            above = candidate;
    return above ? above : kRates[0];
}

}  // namespace

void CEMUSCSIInterface::AdjustFormat(SampleFormat& format) const
{
    format.rate = EMURate(format.rate);
    if (format.length < kShortestSample) {
        format.length = kShortestSample;
        format.Shorten(kShortestSample);
    }
    CSMDIExtendedSamplerInterface::AdjustFormat(format);
}
