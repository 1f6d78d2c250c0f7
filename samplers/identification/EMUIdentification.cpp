#include "samplers/identification/EMUIdentification.h"

#include <string_view>

namespace EMUIdentification {

namespace {

constexpr std::uint32_t kEOS = 5101;
constexpr std::uint32_t kEmulatorIV = 5111;

struct Product {
    std::string_view name;
    std::uint32_t typeId;
};
constexpr Product kProducts[] = {
    {"ESi-32  Sampler", 5001}, {"ESi-4000 Sampler", 5011}, {"Emulator IV", kEmulatorIV},
    {"Emulator 4K", 5121},     {"Emulator 4X", 5131},      {"Emulator 4Xturbo", 5141},
    {"e-64", 5201},            {"e-64 fx", 5211},          {"e6400", 5221},
};

}  // namespace

std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry)
{
    if (inquiry.peripheralType != InquiryIdentity::kProcessor || inquiry.vendor != "E-mu")
        return std::nullopt;
    for (const Product& product : kProducts) {
        if (inquiry.product != product.name)
            continue;
        const CVersion version = VersionFromRevision(inquiry.revision).value_or(CVersion::Unknown());
        const bool eos = product.typeId == kEmulatorIV && !version.IsUnknown() && version >= CVersion(4, 0);
        return IdentifiedSampler{eos ? kEOS : product.typeId, 0, version};
    }
    return std::nullopt;
}

std::string ProductName(std::uint32_t typeId)
{
    if (typeId == kEOS)
        typeId = kEmulatorIV;
    for (const Product& product : kProducts)
        if (product.typeId == typeId)
            return std::string(product.name);
    return {};
}

bool Verifies(std::uint32_t typeId, const InquiryIdentity& inquiry)
{
    const std::optional<IdentifiedSampler> found = RecogniseInquiry(inquiry);
    if (!found)
        return false;
    if (found->typeId == typeId)
        return true;
    // An Emulator IV with a recent OS serves every type but the ESi.
    return inquiry.product == "Emulator IV" && typeId != 5001 && typeId != 5011 && found->typeId == kEOS;
}

}  // namespace EMUIdentification
