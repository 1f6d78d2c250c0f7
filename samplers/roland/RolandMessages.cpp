#include "samplers/roland/RolandMessages.h"

#include "devices/midi/SysexEncoding.h"

namespace Roland {

namespace {

Bytes Header(std::uint8_t device, std::uint8_t command)
{
    return {0xF0, kManufacturer, device, kS760Model, command};
}

// Appends the checksum of everything from the address on, and F7.
Bytes& Close(Bytes& message)
{
    message.push_back(NegatedSumChecksum(message.size() - kAddressOffset, message.data() + kAddressOffset));
    message.push_back(0xF7);
    return message;
}

void AppendGroups(Bytes& message, std::uint32_t value)
{
    std::uint8_t groups[4];
    Pack7BitBigEndian(value, 4, groups);
    message.insert(message.end(), groups, groups + 4);
}

}  // namespace

Bytes ShortMessage(std::uint8_t device, std::uint8_t command)
{
    Bytes message = Header(device, command);
    message.push_back(0xF7);
    return message;
}

Bytes AddressSizeMessage(std::uint8_t device, std::uint8_t command, std::uint32_t address, std::uint32_t size)
{
    Bytes message = Header(device, command);
    AppendGroups(message, address);
    AppendGroups(message, size);
    return Close(message);
}

Bytes AddressDataMessage(std::uint8_t device, std::uint8_t command, std::uint32_t address, const std::uint8_t* data,
                         std::size_t count)
{
    Bytes message = Header(device, command);
    AppendGroups(message, address);
    message.insert(message.end(), data, data + count);
    return Close(message);
}

std::uint32_t AddressOf(const Bytes& message)
{
    return Unpack7BitBigEndian(4, message.data() + kAddressOffset);
}

std::uint8_t ExpectedChecksum(const Bytes& message)
{
    return NegatedSumChecksum(message.size() - 7, message.data() + kAddressOffset);
}

}  // namespace Roland
