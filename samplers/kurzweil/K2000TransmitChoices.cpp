#include "samplers/kurzweil/K2000TransmitChoices.h"

#include "samplers/kurzweil/CK2000Transfer.h"

std::optional<std::uint16_t> K2000TransmitChoices::IdIn(const std::string& text)
{
    if (text.empty() || text.size() > kMaxDigits || text.find_first_not_of(kDigits) != std::string::npos)
        return std::nullopt;
    const unsigned long id = std::stoul(text);
    if (id >= CK2000Transfer::kNoProgram)
        return std::nullopt;
    return static_cast<std::uint16_t>(id);
}

std::variant<ResourceId, TransmitRequest> K2000TransmitChoices::Check(std::uint8_t sysexId) const
{
    if (programName.empty())
        return Res::kAlertK2000NoName;
    const std::optional<std::uint16_t> destination = IdIn(programId);
    if (!destination)
        return Res::kAlertK2000NoDestination;
    TransmitRequest request;
    request.sysexId = sysexId;
    request.programName = programName;
    request.programId = *destination;
    if (useTemplate) {
        const std::optional<std::uint16_t> id = IdIn(templateId);
        request.templateName = std::to_string(id.value_or(CK2000Transfer::kNoProgram));
    }
    return request;
}
