#include "samplers/kurzweil/KurzweilMessages.h"

#include <algorithm>

#include "devices/midi/SysexEncoding.h"
#include "framework/exceptions/SamplerExceptions.h"

namespace Kurzweil {

namespace {

Bytes Frame(std::uint8_t device, std::uint8_t command)
{
    return {0xF0, kManufacturer, device, kFamily, command};
}

void Put(Bytes& message, std::uint32_t value, std::size_t count)
{
    const std::size_t at = message.size();
    message.resize(at + count);
    Pack7BitBigEndian(value, count, message.data() + at);
}

void PutObject(Bytes& message, ObjectId object)
{
    Put(message, object.type, 2);
    Put(message, object.id, 2);
}

// command, type, ID, `tail`, F7.
Bytes ObjectRequest(std::uint8_t device, std::uint8_t command, ObjectId object, std::initializer_list<std::uint8_t> tail)
{
    Bytes message = Frame(device, command);
    PutObject(message, object);
    message.insert(message.end(), tail);
    message.push_back(0xF7);
    return message;
}

void PutName(Bytes& message, std::string_view name)
{
    const std::string wire = WireName(name);
    message.insert(message.end(), wire.begin(), wire.end());
    message.push_back(0x00);
}

std::uint32_t Get(const Bytes& message, std::size_t at, std::size_t count)
{
    return Unpack7BitBigEndian(count, message.data() + at);
}

void Require(const Bytes& message, std::size_t length)
{
    if (message.size() < length)
        throw XSysexTooSmall();
}

// The name from `at` to its 00, which must lie before the closing F7.
std::string NameAt(const Bytes& message, std::size_t at)
{
    const auto last = message.end() - 1;
    const auto stop = std::find(message.begin() + static_cast<std::ptrdiff_t>(at), last, 0x00);
    if (stop == last)
        throw XSysexTooSmall();
    return std::string(message.begin() + static_cast<std::ptrdiff_t>(at), stop);
}

}  // namespace

std::size_t PackedLength(std::size_t dataBytes)
{
    return (8 * dataBytes + 6) / 7;
}

std::size_t UnpackedLength(std::size_t wireBytes)
{
    return 7 * wireBytes / 8;
}

Bytes PackBitStream(const Bytes& data)
{
    Bytes wire(PackedLength(data.size()), 0);
    for (std::size_t bit = 0; bit < 8 * data.size(); ++bit)
        if (data[bit / 8] & (0x80 >> (bit % 8)))
            wire[bit / 7] |= static_cast<std::uint8_t>(0x40 >> (bit % 7));
    return wire;
}

Bytes UnpackBitStream(const std::uint8_t* wire, std::size_t count)
{
    Bytes data(UnpackedLength(count), 0);
    for (std::size_t bit = 0; bit < 8 * data.size(); ++bit)
        if (wire[bit / 7] & (0x40 >> (bit % 7)))
            data[bit / 8] |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
    return data;
}

std::string WireName(std::string_view name)
{
    std::string wire;
    for (const char c : name.substr(0, kNameLength))
        if (const auto masked = static_cast<char>(c & 0x7F); masked != 0)
            wire.push_back(masked);
    return wire;
}

Bytes DirectoryRequest(std::uint8_t device, ObjectId object)
{
    return ObjectRequest(device, kDirectoryRequest, object, {});
}

Bytes DeleteRequest(std::uint8_t device, ObjectId object)
{
    return ObjectRequest(device, kDelete, object, {});
}

Bytes NameRequest(std::uint8_t device, ObjectId object, std::string_view name)
{
    Bytes message = Frame(device, kNameObject);
    PutObject(message, object);
    Put(message, object.id, 2);
    PutName(message, name);
    message.push_back(0xF7);
    return message;
}

Bytes ReadRequest(std::uint8_t device, ObjectId object)
{
    return ObjectRequest(device, kReadObject, object, {kBitStream});
}

Bytes WriteMessage(std::uint8_t device, const ObjectWrite& write)
{
    Bytes message = Frame(device, kWriteObject);
    PutObject(message, write.object);
    Put(message, static_cast<std::uint32_t>(write.data.size()), 3);
    message.push_back(write.mode);
    PutName(message, write.name);
    message.push_back(write.form);
    const Bytes packed = PackBitStream(write.data);
    message.insert(message.end(), packed.begin(), packed.end());
    message.push_back(SumChecksum(packed.size(), packed.data()));
    message.push_back(0xF7);
    return message;
}

Bytes Acknowledge(std::uint8_t device, ObjectId object, std::uint32_t offset, std::uint32_t size)
{
    Bytes message = Frame(device, kDataAcknowledge);
    PutObject(message, object);
    Put(message, offset, 3);
    Put(message, size, 3);
    message.push_back(0xF7);
    return message;
}

Bytes Refusal(std::uint8_t device, ObjectId object, std::uint8_t reason)
{
    Bytes message = Acknowledge(device, object, 0, 0);
    message[4] = kDataRefused;
    message.insert(message.end() - 1, reason);
    return message;
}

Bytes InfoMessage(std::uint8_t device, const ObjectInfo& info)
{
    Bytes message = Frame(device, kObjectInfo);
    PutObject(message, info.object);
    Put(message, info.size, 3);
    message.push_back(info.flag);
    PutName(message, info.name);
    message.push_back(0xF7);
    return message;
}

Bytes EndOfListing(std::uint8_t device)
{
    Bytes message = Frame(device, kEndOfListing);
    message.push_back(0xF7);
    return message;
}

std::uint8_t CommandOf(const Bytes& message)
{
    if (message.size() < kHeadLength + 1 || message[1] != kManufacturer || message[3] != kFamily)
        return 0;
    return message[4];
}

ObjectId ObjectOf(const Bytes& message)
{
    Require(message, kHeadLength + 5);
    return {static_cast<std::uint16_t>(Get(message, 5, 2)), static_cast<std::uint16_t>(Get(message, 7, 2))};
}

ObjectInfo ParseInfo(const Bytes& message)
{
    Require(message, 15);
    ObjectInfo info;
    info.object = ObjectOf(message);
    info.size = Get(message, 9, 3);
    info.flag = message[12];
    info.name = NameAt(message, 13);
    return info;
}

std::string ParseName(const Bytes& message)
{
    Require(message, 13);
    return NameAt(message, 11);
}

ObjectWrite ParseWrite(const Bytes& message)
{
    Require(message, 17);
    // Laid out as the information up to the name's end.
    const ObjectInfo head = ParseInfo(message);
    ObjectWrite write{head.object, head.size, head.flag, head.name};
    const std::size_t at = 13 + head.name.size() + 1;
    // form, at least the checksum, F7
    Require(message, at + 3);
    write.form = message[at];
    if (write.form != kBitStream)
        throw XKurzweilNotBitStream();
    const std::uint8_t* packed = message.data() + at + 1;
    const std::size_t count = message.size() - at - 3;
    if (SumChecksum(count, packed) != message[message.size() - 2])
        throw XSysexChecksumFailure();
    write.data = UnpackBitStream(packed, count);
    if (write.data.size() < write.size)
        throw XSysexTooSmall();
    write.data.resize(write.size);
    return write;
}

std::uint16_t AcknowledgedId(const Bytes& message)
{
    Require(message, 16);
    return ObjectOf(message).id;
}

std::uint8_t RefusalReason(const Bytes& message)
{
    Require(message, 17);
    return message[15];
}

}  // namespace Kurzweil
