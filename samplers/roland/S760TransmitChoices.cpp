#include "samplers/roland/S760TransmitChoices.h"

#include "samplers/roland/CS760LoopTransmission.h"
#include "samplers/roland/S760Names.h"
#include "samplers/roland/S760SampleParameters.h"

const std::vector<std::uint32_t>& S760TransmitChoices::Rates()
{
    static const std::vector<std::uint32_t> rates = {48000, 44100, 32000, 30000, 24000, 22050, 16000, 15000};
    return rates;
}

void S760TransmitChoices::Open(const std::string& documentName, std::uint32_t documentRate, std::size_t templates)
{
    if (documentName != document) {
        document = documentName;
        patchName = CS760LoopTransmission::DefaultPatchName(documentName);
        rate = S760::SnapRate(documentRate);
        templateIndex = 0;
    }
    if (templateIndex < 0 || static_cast<std::size_t>(templateIndex) > templates)
        templateIndex = 0;
}

std::variant<ResourceId, TransmitRequest> S760TransmitChoices::Check(const std::vector<std::string>& templates) const
{
    if (patchName.empty())
        return Res::kAlertS760NoName;
    TransmitRequest request;
    request.programName = S760::PatchNameForm(patchName);
    request.sampleRate = rate;
    if (templateIndex > 0 && static_cast<std::size_t>(templateIndex) <= templates.size())
        request.templateName = templates[static_cast<std::size_t>(templateIndex) - 1];
    return request;
}
