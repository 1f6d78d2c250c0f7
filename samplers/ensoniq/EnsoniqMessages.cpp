#include "samplers/ensoniq/EnsoniqMessages.h"

#include "samplers/identification/EnsoniqIdentification.h"

namespace Ensoniq {

namespace {

constexpr std::size_t kHead = 4;

Bytes Head(std::uint8_t channel)
{
    return {0xF0, EnsoniqIdentification::kManufacturer, EnsoniqIdentification::kProduct, channel};
}

Bytes Closed(Bytes bytes)
{
    bytes.push_back(0xF7);
    return bytes;
}

bool HasFrame(const Bytes& message)
{
    return message.size() > kHead + 1 && message[0] == 0xF0 && message[1] == EnsoniqIdentification::kManufacturer &&
           message[2] == EnsoniqIdentification::kProduct && message.back() == 0xF7;
}

std::optional<std::uint16_t> ParseShort(const Bytes& message, std::uint8_t kind)
{
    if (message.size() != kResponseLength || !HasFrame(message) || message[kHead] != kind)
        return std::nullopt;
    return Get12(&message[kHead + 1]);
}

}  // namespace

void Put12(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value >> 6 & 0x3F));
    bytes.push_back(static_cast<std::uint8_t>(value & 0x3F));
}

std::uint16_t Get12(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>((bytes[0] & 0x3F) << 6 | (bytes[1] & 0x3F));
}

void Put24(Bytes& bytes, std::uint32_t value)
{
    Put12(bytes, static_cast<std::uint16_t>(value >> 12 & 0xFFF));
    Put12(bytes, static_cast<std::uint16_t>(value & 0xFFF));
}

std::uint32_t Get24(const std::uint8_t* bytes)
{
    return std::uint32_t{Get12(bytes)} << 12 | Get12(bytes + 2);
}

void PutWord(Bytes& bytes, std::uint16_t word)
{
    bytes.push_back(static_cast<std::uint8_t>(word >> 12 & 0x0F));
    bytes.push_back(static_cast<std::uint8_t>(word >> 6 & 0x3F));
    bytes.push_back(static_cast<std::uint8_t>(word & 0x3F));
}

std::uint16_t GetWord(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>((bytes[0] & 0x0F) << 12 | (bytes[1] & 0x3F) << 6 | (bytes[2] & 0x3F));
}

Bytes CommandMessage(std::uint8_t channel, const Command& command)
{
    Bytes bytes = Head(channel);
    bytes.push_back(command.code);
    Put12(bytes, command.instrument);
    Put12(bytes, command.layer);
    Put12(bytes, command.third);
    if (command.ranged) {
        Put24(bytes, command.start);
        Put24(bytes, command.end);
    }
    return Closed(std::move(bytes));
}

Bytes ResponseMessage(std::uint8_t channel, std::uint16_t code)
{
    return EnsoniqIdentification::Response(channel, code);
}

Bytes ControlMessage(std::uint8_t channel, std::uint16_t value)
{
    Bytes bytes = Head(channel);
    bytes.push_back(kControlByte);
    Put12(bytes, value);
    return Closed(std::move(bytes));
}

Bytes DataMessage(std::uint8_t channel, const Words& words)
{
    Bytes bytes = Head(channel);
    bytes.reserve(DataLength(words.size()));
    for (const std::uint16_t word : words)
        PutWord(bytes, word);
    return Closed(std::move(bytes));
}

Bytes CancelMessage(std::uint8_t channel)
{
    Bytes bytes = Head(channel);
    bytes.push_back(kCancelByte);
    return Closed(std::move(bytes));
}

std::optional<Command> ParseCommand(const Bytes& message)
{
    if ((message.size() != kCommandLength && message.size() != kRangeCommandLength) || !HasFrame(message))
        return std::nullopt;
    const std::uint8_t* at = &message[kHead];
    Command command{at[0], Get12(at + 1), Get12(at + 3), Get12(at + 5)};
    if (message.size() == kRangeCommandLength) {
        command.ranged = true;
        command.start = Get24(at + 7);
        command.end = Get24(at + 11);
    }
    return command;
}

std::optional<std::uint16_t> ParseResponse(const Bytes& message)
{
    return ParseShort(message, kResponseByte);
}

std::optional<std::uint16_t> ParseControl(const Bytes& message)
{
    return ParseShort(message, kControlByte);
}

std::optional<Words> ParseData(const Bytes& message, std::size_t words)
{
    if (message.size() != DataLength(words) || !HasFrame(message))
        return std::nullopt;
    Words parsed(words);
    for (std::size_t i = 0; i < words; ++i)
        parsed[i] = GetWord(&message[kHead + 3 * i]);
    return parsed;
}

bool IsCancel(const Bytes& message)
{
    return message.size() == kCancelLength && HasFrame(message) && message[kHead] == kCancelByte;
}

bool IsFramed(const Bytes& message, std::uint8_t channel)
{
    return HasFrame(message) && message[3] == channel;
}

std::array<std::uint16_t, 4> EncodeAddress(std::uint32_t address)
{
    return {static_cast<std::uint16_t>(address >> 11 & 0xFF00), static_cast<std::uint16_t>(address >> 3 & 0xFF00),
            static_cast<std::uint16_t>((address & 0xFFF8) << 5), static_cast<std::uint16_t>(address << 13)};
}

std::uint32_t DecodeAddress(const std::uint16_t* words)
{
    const std::uint32_t high = (words[0] & 0xFF00u) | (words[1] >> 8);
    const std::uint32_t low = (words[2] & 0xFF00u) | (words[3] >> 8 & 0xE0u);
    return high << 11 | low >> 5;
}

}  // namespace Ensoniq
