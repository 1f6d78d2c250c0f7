#include "samplers/kurzweil/K2000TransmitChoices.h"

#include "samplers/kurzweil/CK2000Transfer.h"

std::variant<ResourceId, TransmitRequest> K2000TransmitChoices::Check(std::uint8_t sysexId) const
{
    if (programName.empty())
        return Res::kAlertK2000NoName;
    const std::optional<std::uint16_t> destination = CK2000Transfer::ProgramIdIn(programId);
    if (!destination)
        return Res::kAlertK2000NoDestination;
    TransmitRequest request;
    request.sysexId = sysexId;
    request.programName = programName;
    request.programId = *destination;
    if (useTemplate) {
        const std::optional<std::uint16_t> id = CK2000Transfer::ProgramIdIn(templateId);
        request.templateName = std::to_string(id.value_or(CK2000Transfer::kNoProgram));
    }
    return request;
}
