#include "samplers/akai/AKAIMessages.h"

#include "devices/midi/SysexEncoding.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/akai/AKAIText.h"

namespace AKAI {

namespace {

constexpr std::size_t kHeaderLength = 5;
constexpr std::size_t kNumberBytes = 2;

Bytes Start(std::uint8_t channel, std::uint8_t operation)
{
    return {0xF0, kManufacturer, channel, operation, kFamily};
}

bool HasKeygroup(std::uint8_t operation)
{
    return operation == kKeygroup;
}

void RequireOperation(const Bytes& message, std::uint8_t operation)
{
    if (message[3] != operation)
        throw XAKAIUnexpectedCommand();
}

}  // namespace

Bytes ToNibbles(const Bytes& bytes)
{
    Bytes nibbles;
    nibbles.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        nibbles.push_back(byte & 0x0F);
        nibbles.push_back(static_cast<std::uint8_t>(byte >> 4));
    }
    return nibbles;
}

Bytes FromNibbles(const std::uint8_t* nibbles, std::size_t byteCount)
{
    Bytes bytes(byteCount);
    for (std::size_t i = 0; i < byteCount; ++i)
        bytes[i] = static_cast<std::uint8_t>((nibbles[2 * i] & 0x0F) | ((nibbles[2 * i + 1] & 0x0F) << 4));
    return bytes;
}

Bytes Request(std::uint8_t channel, std::uint8_t operation)
{
    Bytes message = Start(channel, operation);
    message.push_back(0xF7);
    return message;
}

Bytes NumberedRequest(std::uint8_t channel, std::uint8_t operation, std::uint16_t number)
{
    Bytes message = Start(channel, operation);
    Append7BitLittleEndian(message, number, kNumberBytes);
    message.push_back(0xF7);
    return message;
}

Bytes KeygroupRequest(std::uint8_t channel, std::uint16_t program, std::uint8_t keygroup)
{
    Bytes message = Start(channel, kKeygroupRequest);
    Append7BitLittleEndian(message, program, kNumberBytes);
    message.push_back(keygroup & 0x7F);
    message.push_back(0xF7);
    return message;
}

Bytes BlockMessage(std::uint8_t channel, std::uint8_t operation, std::uint16_t number, const Bytes& block)
{
    Bytes message = Start(channel, operation);
    Append7BitLittleEndian(message, number, kNumberBytes);
    const Bytes nibbles = ToNibbles(block);
    message.insert(message.end(), nibbles.begin(), nibbles.end());
    message.push_back(0xF7);
    return message;
}

Bytes KeygroupMessage(std::uint8_t channel, std::uint16_t program, std::uint8_t keygroup, const Bytes& block)
{
    Bytes message = Start(channel, kKeygroup);
    Append7BitLittleEndian(message, program, kNumberBytes);
    message.push_back(keygroup & 0x7F);
    const Bytes nibbles = ToNibbles(block);
    message.insert(message.end(), nibbles.begin(), nibbles.end());
    message.push_back(0xF7);
    return message;
}

Bytes ReplyMessage(std::uint8_t channel, std::uint8_t code)
{
    return {0xF0, kManufacturer, channel, kReply, kFamily, static_cast<std::uint8_t>(code & 0x7F), 0xF7};
}

Bytes StatusMessage(const Status& status)
{
    Bytes message = Start(status.channel, kStatus);
    message.push_back(status.osMinor & 0x7F);
    message.push_back(status.modelByte & 0x7F);
    Append7BitLittleEndian(message, status.maxBlocks, 2);
    Append7BitLittleEndian(message, status.freeBlocks, 2);
    Append7BitLittleEndian(message, status.maxWords, 4);
    Append7BitLittleEndian(message, status.freeWords, 4);
    message.push_back(status.channel & 0x7F);
    message.push_back(0xF7);
    return message;
}

Bytes NameListMessage(std::uint8_t channel, std::uint8_t operation, const std::vector<std::string>& names)
{
    Bytes message = Start(channel, operation);
    Append7BitLittleEndian(message, static_cast<std::uint32_t>(names.size()), kNumberBytes);
    for (const std::string& name : names) {
        const std::vector<std::uint8_t> codes = ToCodes(name, kNameLength);
        message.insert(message.end(), codes.begin(), codes.end());
    }
    message.push_back(0xF7);
    return message;
}

void CheckAKAI(const Bytes& message)
{
    if (message.size() < kHeaderLength)
        throw XSysexTooSmall();
    if (message[1] != kManufacturer || message[4] != kFamily)
        throw XAKAINonAKAISysex();
}

bool IsReply(const Bytes& message)
{
    return message.size() >= kHeaderLength && message[1] == kManufacturer && message[3] == kReply &&
           message[4] == kFamily;
}

void CheckReply(const Bytes& message)
{
    CheckAKAI(message);
    if (message.size() != kReplyLength)
        throw XSysexInvalidSize();
    RequireOperation(message, kReply);
    if (message[5] != 0)
        throw XAKAIReceivedError();
}

std::vector<std::string> ParseNameList(const Bytes& message, std::uint8_t operation)
{
    CheckAKAI(message);
    RequireOperation(message, operation);
    if (message.size() < kListNames + 1)
        throw XSysexTooSmall();
    const std::uint32_t count = Unpack7BitLittleEndian(kNumberBytes, message.data() + kHeaderLength);
    if (message.size() < kListNames + 1 + kNameLength * count)
        throw XSysexTooSmall();
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < count; ++i)
        names.push_back(FromCodes(message.data() + kListNames + kNameLength * i, kNameLength));
    return names;
}

Status ParseStatus(const Bytes& message)
{
    CheckAKAI(message);
    RequireOperation(message, kStatus);
    if (message.size() < kStatusLength)
        throw XSysexTooSmall();
    Status status;
    status.channel = message[2];
    status.osMinor = message[5];
    status.modelByte = message[6];
    status.maxBlocks = static_cast<std::uint16_t>(Unpack7BitLittleEndian(2, message.data() + 7));
    status.freeBlocks = static_cast<std::uint16_t>(Unpack7BitLittleEndian(2, message.data() + 9));
    status.maxWords = Unpack7BitLittleEndian(4, message.data() + 11);
    status.freeWords = Unpack7BitLittleEndian(4, message.data() + 15);
    return status;
}

std::size_t BlockMessageLength(std::uint8_t operation, std::size_t size)
{
    return kHeaderLength + kNumberBytes + (HasKeygroup(operation) ? 1 : 0) + 2 * size + 1;
}

Block ParseBlock(const Bytes& message, std::uint8_t operation, std::size_t size)
{
    CheckAKAI(message);
    RequireOperation(message, operation);
    if (message.size() != BlockMessageLength(operation, size))
        throw XSysexInvalidSize();
    Block block;
    block.number = static_cast<std::uint16_t>(Unpack7BitLittleEndian(kNumberBytes, message.data() + kHeaderLength));
    std::size_t at = kHeaderLength + kNumberBytes;
    if (HasKeygroup(operation))
        block.keygroup = message[at++];
    block.data = FromNibbles(message.data() + at, size);
    return block;
}

}  // namespace AKAI
