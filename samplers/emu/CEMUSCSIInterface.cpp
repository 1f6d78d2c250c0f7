#include "samplers/emu/CEMUSCSIInterface.h"

#include <algorithm>

const std::vector<std::uint32_t>& CEMUSCSIInterface::Rates()
{
    static const std::vector<std::uint32_t> rates = {48000, 44100, 32000, 22050, 11025, 8000};
    return rates;
}

std::uint32_t CEMUSCSIInterface::RateFor(std::uint32_t rate)
{
    const std::vector<std::uint32_t>& rates = Rates();
    if (std::find(rates.begin(), rates.end(), rate) != rates.end())
        return rate;
    std::uint32_t above = 0;
    for (const std::uint32_t candidate : rates)
        if (candidate > rate && (above == 0 || candidate < above))
            above = candidate;
    return above ? above : rates.front();
}

void CEMUSCSIInterface::AdjustFormat(SampleFormat& format) const
{
    format.rate = RateFor(format.rate);
    if (format.length < kShortestSample) {
        format.length = kShortestSample;
        format.Shorten(kShortestSample);
    }
    CSMDIExtendedSamplerInterface::AdjustFormat(format);
}
