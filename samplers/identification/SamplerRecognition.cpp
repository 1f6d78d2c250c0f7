#include "samplers/identification/SamplerRecognition.h"

#include "samplers/identification/AKAIIdentification.h"
#include "samplers/identification/EMUIdentification.h"
#include "samplers/identification/KurzweilIdentification.h"
#include "samplers/identification/RolandIdentification.h"
#include "samplers/identification/YamahaIdentification.h"

std::vector<SysexBytes> ScanRequests(std::uint8_t channel)
{
    return {RolandIdentification::Request(channel), AKAIIdentification::StatusRequest(channel),
            UniversalIdentity::Request(channel)};
}

std::optional<IdentifiedSampler> RecogniseMIDIAnswer(const SysexBytes& message)
{
    if (const std::optional<UniversalIdentity::Reply> identity = UniversalIdentity::Parse(message)) {
        if (auto kurzweil = KurzweilIdentification::RecogniseIdentity(*identity))
            return kurzweil;
        return YamahaIdentification::RecogniseIdentity(*identity);
    }
    if (auto roland = RolandIdentification::RecogniseReply(message))
        return roland;
    return AKAIIdentification::RecogniseStatus(message);
}

std::optional<IdentifiedSampler> RecogniseSCSIAnswer(const InquiryIdentity& inquiry)
{
    std::optional<IdentifiedSampler> found;
    for (auto recognise : {KurzweilIdentification::RecogniseInquiry, YamahaIdentification::RecogniseInquiry,
                           EMUIdentification::RecogniseInquiry, AKAIIdentification::RecogniseInquiry})
        if (auto answer = recognise(inquiry))
            found = answer;
    return found;
}
