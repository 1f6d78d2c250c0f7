#include "samplers/ensoniq/EnsoniqTransmitChoices.h"

#include "samplers/ensoniq/CABCEnsoniqInterface.h"

std::uint32_t EnsoniqTransmitChoices::RateFor(std::uint32_t documentRate) const
{
    if (rate)
        return rate;
    for (const std::uint32_t offered : kRates)
        if (offered >= documentRate)
            return offered;
    return kRates.back();
}

std::variant<ResourceId, TransmitRequest> EnsoniqTransmitChoices::Check(std::uint8_t sysexId) const
{
    const std::string name = CABCEnsoniqInterface::CleanName(instrumentName);
    if (CABCEnsoniqInterface::IsBlank(name))
        return Res::kAlertEnsoniqNoName;
    TransmitRequest request;
    request.sysexId = sysexId;
    request.programName = name;
    request.programId = destination + 1;
    request.sampleRate = rate;
    return request;
}
