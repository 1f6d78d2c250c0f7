#include "samplers/identification/RolandIdentification.h"

#include "samplers/roland/RolandMessages.h"

namespace RolandIdentification {

namespace {

constexpr std::size_t kReplyLength = 43;

}  // namespace

SysexBytes Request(std::uint8_t device)
{
    return Roland::AddressSizeMessage(device, Roland::kRQ1, 0, static_cast<std::uint32_t>(kIdentityBytes));
}

std::optional<IdentifiedSampler> RecogniseReply(const SysexBytes& message)
{
    if (message.size() != kReplyLength || message[0] != 0xF0 || message[1] != kManufacturer ||
        message[3] != kModel || message[4] != Roland::kDT1 || message.back() != 0xF7 ||
        Roland::AddressOf(message) != 0 || message[kReplyLength - 2] != Roland::ExpectedChecksum(message))
        return std::nullopt;
    return IdentifiedSampler{2000, message[2], CVersion::Unknown()};
}

SysexBytes ReplyBytes(std::uint8_t device, const std::array<std::uint8_t, kIdentityBytes>& identity)
{
    return Roland::AddressDataMessage(device, Roland::kDT1, 0, identity.data(), identity.size());
}

}  // namespace RolandIdentification
