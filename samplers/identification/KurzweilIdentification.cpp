#include "samplers/identification/KurzweilIdentification.h"

namespace KurzweilIdentification {

std::optional<IdentifiedSampler> RecogniseIdentity(const UniversalIdentity::Reply& reply)
{
    if (reply.manufacturer != kManufacturer || reply.family != kFamily)
        return std::nullopt;
    if (reply.member != kK2000 && reply.member != kK2500)
        return std::nullopt;
    return IdentifiedSampler{reply.member == kK2000 ? 1000u : 1010u, reply.device,
                             UniversalIdentity::DigitsVersion(reply.version)};
}

std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry)
{
    if (inquiry.peripheralType != InquiryIdentity::kProcessor || inquiry.vendor != "Kurzweil")
        return std::nullopt;
    std::uint32_t type = 0;
    if (inquiry.product.rfind("K2000", 0) == 0)
        type = 1002;
    else if (inquiry.product.rfind("K2500", 0) == 0)
        type = 1012;
    else
        return std::nullopt;
    return IdentifiedSampler{type, 0, VersionFromRevision(inquiry.revision).value_or(CVersion::Unknown())};
}

}  // namespace KurzweilIdentification
