#include "samplers/identification/UniversalIdentity.h"

namespace UniversalIdentity {

namespace {

constexpr std::uint8_t kUniversal = 0x7E;
constexpr std::uint8_t kGeneralInformation = 0x06;
constexpr std::uint8_t kRequest = 0x01;
constexpr std::uint8_t kReply = 0x02;
constexpr std::size_t kReplyLength = 15;

}  // namespace

SysexBytes Request(std::uint8_t channel)
{
    return {0xF0, kUniversal, channel, kGeneralInformation, kRequest, 0xF7};
}

std::optional<Reply> Parse(const SysexBytes& message)
{
    if (message.size() != kReplyLength || message[0] != 0xF0 || message[1] != kUniversal ||
        message[3] != kGeneralInformation || message[4] != kReply || message[14] != 0xF7)
        return std::nullopt;
    Reply reply;
    reply.device = message[2];
    reply.manufacturer = message[5];
    reply.family = static_cast<std::uint16_t>(message[6] | message[7] << 7);
    reply.member = static_cast<std::uint16_t>(message[8] | message[9] << 7);
    for (std::size_t i = 0; i < reply.version.size(); ++i)
        reply.version[i] = message[10 + i];
    return reply;
}

SysexBytes ReplyBytes(const Reply& reply)
{
    return {0xF0,
            kUniversal,
            reply.device,
            kGeneralInformation,
            kReply,
            reply.manufacturer,
            static_cast<std::uint8_t>(reply.family & 0x7F),
            static_cast<std::uint8_t>(reply.family >> 7 & 0x7F),
            static_cast<std::uint8_t>(reply.member & 0x7F),
            static_cast<std::uint8_t>(reply.member >> 7 & 0x7F),
            reply.version[0],
            reply.version[1],
            reply.version[2],
            reply.version[3],
            0xF7};
}

CVersion DigitsVersion(const std::array<std::uint8_t, 4>& digits)
{
    return CVersion(static_cast<std::uint8_t>(digits[0] * 10 + digits[1]),
                    static_cast<std::uint8_t>(digits[2] * 10 + digits[3]));
}

}  // namespace UniversalIdentity
