#include "samplers/identification/AKAIIdentification.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace AKAIIdentification {

namespace {

constexpr std::uint8_t kStatusRequest = 0x00;
constexpr std::uint8_t kStatus = 0x01;
constexpr std::uint8_t kMiscRequest = 0x10;
constexpr std::uint8_t kMisc = 0x11;
constexpr std::size_t kStatusLength = 21;
constexpr std::size_t kModelLength = 7;

// The exact models, by the model byte of the miscellaneous data.
constexpr std::array<std::uint32_t, 8> kExactModels = {4100, 4150, 4140, 4160, 4120, 4170, 4130, 4110};

struct SCSIModel {
    std::string_view product;
    std::uint32_t typeId;
};
// Longest names first: "S3000XL" before a shorter one could match.
constexpr SCSIModel kSCSIModels[] = {{"CD3000XL", 4171}, {"S3000XL", 4151}, {"S3200XL", 4161}, {"S2000", 4131}};

bool IsAKAI(const SysexBytes& message, std::uint8_t operation)
{
    return message.size() >= 6 && message[0] == 0xF0 && message[1] == kManufacturer && message[3] == operation &&
           message[4] == kS1000Family && message.back() == 0xF7;
}

}  // namespace

SysexBytes StatusRequest(std::uint8_t channel)
{
    return {0xF0, kManufacturer, channel, kStatusRequest, kS1000Family, 0xF7};
}

std::optional<IdentifiedSampler> RecogniseStatus(const SysexBytes& message)
{
    if (!IsAKAI(message, kStatus) || message.size() < 8)
        return std::nullopt;
    const std::uint8_t model = static_cast<std::uint8_t>(message[6] - message[6] % 5);
    std::uint32_t type = 0;
    switch (model) {
    case kModelS1000: type = 4000; break;
    case kModelS1100: type = 4010; break;
    case kModelS3000: type = 4100; break;
    case kModelS2000: type = 4130; break;
    default: return std::nullopt;
    }
    return IdentifiedSampler{type, message[2], CVersion(static_cast<std::uint8_t>(message[6] % 5), message[5])};
}

SysexBytes StatusReply(std::uint8_t channel, std::uint8_t model, CVersion version)
{
    SysexBytes message(kStatusLength, 0);
    message[0] = 0xF0;
    message[1] = kManufacturer;
    message[2] = channel;
    message[3] = kStatus;
    message[4] = kS1000Family;
    message[5] = version.Minor();
    message[6] = static_cast<std::uint8_t>(model + version.Major());
    message[19] = channel;
    message[20] = 0xF7;
    return message;
}

bool HasExactModel(std::uint32_t typeId)
{
    return typeId == 4100 || typeId == 4130;
}

SysexBytes ModelRequest(std::uint8_t channel)
{
    return {0xF0, kManufacturer, channel, kMiscRequest, kS1000Family, 0xF7};
}

std::optional<std::uint32_t> RecogniseModel(const SysexBytes& message, std::uint8_t channel)
{
    if (!IsAKAI(message, kMisc) || message.size() != kModelLength || message[2] != channel ||
        message[5] >= kExactModels.size())
        return std::nullopt;
    return kExactModels[message[5]];
}

SysexBytes ModelReply(std::uint8_t channel, std::uint32_t typeId)
{
    const auto model = std::find(kExactModels.begin(), kExactModels.end(), typeId);
    return {0xF0, kManufacturer, channel, kMisc, kS1000Family,
            static_cast<std::uint8_t>(model - kExactModels.begin()), 0xF7};
}

std::optional<IdentifiedSampler> RecogniseInquiry(const InquiryIdentity& inquiry)
{
    if (inquiry.vendor != "AKAI")
        return std::nullopt;
    for (const SCSIModel& model : kSCSIModels)
        if (inquiry.product.rfind(model.product, 0) == 0)
            return IdentifiedSampler{model.typeId, 0,
                                     VersionFromRevision(inquiry.revision).value_or(CVersion::Unknown())};
    return std::nullopt;
}

}  // namespace AKAIIdentification
