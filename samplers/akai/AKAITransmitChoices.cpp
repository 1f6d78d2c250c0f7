#include "samplers/akai/AKAITransmitChoices.h"

#include <cstring>

#include "samplers/transfer/SliceNames.h"

const std::vector<std::uint32_t>& AKAITransmitChoices::Rates()
{
    static const std::vector<std::uint32_t> rates = {22050, 44100};
    return rates;
}

std::uint32_t AKAITransmitChoices::RateFor(std::uint32_t documentRate) const
{
    if (rate)
        return rate;
    for (const std::uint32_t offered : Rates())
        if (offered >= documentRate)
            return offered;
    return Rates().back();
}

bool AKAITransmitChoices::AcceptsKey(char key)
{
    return key != '\0' && ((key >= 'a' && key <= 'z') || std::strchr(kNameCharacters, key) != nullptr);
}

std::variant<ResourceId, TransmitRequest> AKAITransmitChoices::Check(const std::vector<std::string>& programs) const
{
    if (programName.find_first_not_of(' ') == std::string::npos)
        return Res::kAlertAKAINoName;
    TransmitRequest request;
    request.programName = UpperCase(programName);
    request.sampleRate = rate;
    if (templateIndex > 0 && static_cast<std::size_t>(templateIndex) <= programs.size())
        request.templateName = programs[static_cast<std::size_t>(templateIndex) - 1];
    return request;
}
