#include "samplers/yamaha/YamahaTransmitChoices.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kFallbackRate = 44100;

}  // namespace

const std::vector<std::uint32_t>& YamahaTransmitChoices::Rates()
{
    static const std::vector<std::uint32_t> rates = {22050, 32000, 44100, 48000};
    return rates;
}

std::uint32_t YamahaTransmitChoices::RateFor(std::uint32_t documentRate) const
{
    if (rate)
        return rate;
    const std::vector<std::uint32_t>& rates = Rates();
    const auto found = std::find_if(rates.begin(), rates.end(), [=](std::uint32_t r) { return r >= documentRate; });
    return found == rates.end() ? kFallbackRate : *found;
}

std::variant<ResourceId, TransmitRequest> YamahaTransmitChoices::Check(std::uint8_t sysexId) const
{
    if (bankName.empty())
        return Res::kAlertA3000NoName;
    TransmitRequest request;
    request.sysexId = sysexId;
    request.programName = bankName;
    request.templateName = templateName;
    request.sampleRate = rate;
    return request;
}
