#include "samplers/emu/EMUTransmitChoices.h"

#include "samplers/emu/CEMUSCSIInterface.h"

std::uint32_t EMUTransmitChoices::RateFor(std::uint32_t documentRate) const
{
    return rate ? rate : CEMUSCSIInterface::RateFor(documentRate);
}

std::variant<ResourceId, TransmitRequest> EMUTransmitChoices::Check() const
{
    if (sampleName.empty())
        return Res::kAlertEMUNoName;
    const bool digits = !startNumber.empty() && startNumber.size() <= kMaxDigits &&
                        startNumber.find_first_not_of(kDigits) == std::string::npos;
    const std::uint32_t first = digits ? static_cast<std::uint32_t>(std::stoul(startNumber)) : 0;
    if (first < CEMUSCSIInterface::kFirstSample || first > CEMUSCSIInterface::kLastSample)
        return Res::kAlertEMUBadStartNumber;
    TransmitRequest request;
    request.sampleName = sampleName;
    request.firstSampleNumber = first;
    request.sampleRate = rate;
    return request;
}
