#include "samplers/identification/EnsoniqIdentification.h"

namespace EnsoniqIdentification {

namespace {

constexpr std::uint8_t kControl = 0x40;
constexpr std::uint8_t kResponse = 0x01;
constexpr std::uint16_t kOnlineValue = 17;
constexpr std::size_t kLength = 8;

SysexBytes Message(std::uint8_t channel, std::uint8_t kind, std::uint16_t value)
{
    return {0xF0, kManufacturer, kProduct, channel, kind, static_cast<std::uint8_t>(value >> 6 & 0x3F),
            static_cast<std::uint8_t>(value & 0x3F), 0xF7};
}

}  // namespace

SysexBytes OnlineTest(std::uint8_t channel)
{
    return Message(channel, kControl, kOnlineValue);
}

bool IsOnlineAnswer(const SysexBytes& message, std::uint8_t channel)
{
    return message.size() == kLength && message[0] == 0xF0 && message[1] == kManufacturer &&
           message[2] == kProduct && message[3] == channel && message[4] == kResponse && message[7] == 0xF7;
}

SysexBytes Response(std::uint8_t channel, std::uint16_t code)
{
    return Message(channel, kResponse, code);
}

}  // namespace EnsoniqIdentification
