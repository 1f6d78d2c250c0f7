#include "samplers/identification/YamahaIdentification.h"

namespace YamahaIdentification {

std::optional<IdentifiedSampler> RecogniseIdentity(const UniversalIdentity::Reply& reply)
{
    if (reply.manufacturer != kManufacturer || reply.family != kFamily || reply.member != kA3000)
        return std::nullopt;
    return IdentifiedSampler{6000, reply.device, UniversalIdentity::DigitsVersion(reply.version)};
}

std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry)
{
    if (inquiry.peripheralType != InquiryIdentity::kProcessor || inquiry.vendor != "YAMAHA" ||
        inquiry.product.rfind("A3000", 0) != 0)
        return std::nullopt;
    return IdentifiedSampler{6002, 0, VersionFromRevision(inquiry.revision).value_or(CVersion::Unknown())};
}

}  // namespace YamahaIdentification
