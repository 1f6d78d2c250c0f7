#include "samplers/identification/RolandIdentification.h"

#include <algorithm>
#include <iterator>

namespace RolandIdentification {

namespace {

constexpr std::uint8_t kRequestData = 0x11;
constexpr std::uint8_t kDataSet = 0x12;
constexpr std::size_t kReplyLength = 43;
constexpr std::size_t kAddress = 5;  // four address bytes, then the data

}  // namespace

std::uint8_t Checksum(const std::uint8_t* bytes, std::size_t count)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>((128 - sum % 128) % 128);
}

SysexBytes Request(std::uint8_t device)
{
    SysexBytes message = {0xF0, kManufacturer, device, kModel, kRequestData, 0, 0, 0, 0, 0, 0, 0,
                          static_cast<std::uint8_t>(kIdentityBytes)};
    message.push_back(Checksum(message.data() + kAddress, 8));
    message.push_back(0xF7);
    return message;
}

std::optional<IdentifiedSampler> RecogniseReply(const SysexBytes& message)
{
    if (message.size() != kReplyLength || message[0] != 0xF0 || message[1] != kManufacturer ||
        message[3] != kModel || message[4] != kDataSet || message.back() != 0xF7)
        return std::nullopt;
    for (std::size_t i = kAddress; i < kAddress + 4; ++i)
        if (message[i] != 0)
            return std::nullopt;
    if (Checksum(message.data() + kAddress, 4 + kIdentityBytes + 1) != 0)
        return std::nullopt;
    return IdentifiedSampler{2000, message[2], CVersion::Unknown()};
}

SysexBytes ReplyBytes(std::uint8_t device, const std::array<std::uint8_t, kIdentityBytes>& identity)
{
    SysexBytes message(kReplyLength, 0);
    const std::uint8_t head[] = {0xF0, kManufacturer, device, kModel, kDataSet};
    std::copy(std::begin(head), std::end(head), message.begin());
    std::copy(identity.begin(), identity.end(), message.begin() + kAddress + 4);
    message[kReplyLength - 2] = Checksum(message.data() + kAddress, 4 + kIdentityBytes);
    message[kReplyLength - 1] = 0xF7;
    return message;
}

}  // namespace RolandIdentification
