#include "samplers/yamaha/A3000Dump.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/transfer/SliceNames.h"

namespace A3000 {

namespace {

constexpr std::uint8_t kSysexStart = 0xF0;
constexpr std::uint8_t kSysexEnd = 0xF7;
constexpr std::string_view kAllowedInNames =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 @\"(){}[]-+*=<>',.:;/|^~_!?#$%&`";

bool IsFrameOf(const Bytes& message, bool request)
{
    return message.size() >= kFrameBytes + 1 && message.front() == kSysexStart && message.back() == kSysexEnd &&
           message[1] == kManufacturer && message[3] == kModel && (message[2] >= kRequestFlag) == request &&
           (message[2] & 0x0F) == (message[2] & ~kRequestFlag);
}

}  // namespace

Bytes DumpRequest(std::uint8_t device, std::string_view type, std::string_view name)
{
    Bytes message{kSysexStart, kManufacturer, static_cast<std::uint8_t>(kRequestFlag + (device & 0x0F)), kModel};
    AppendHead(message, type, name);
    message.push_back(kSysexEnd);
    return message;
}

bool ReadDumpRequest(const Bytes& message, std::uint8_t& device, std::string& type, std::string& name)
{
    if (message.size() != kRequestLength || !IsFrameOf(message, true) ||
        !std::equal(kSignature.begin(), kSignature.end(), message.begin() + kFrameBytes))
        return false;
    device = message[2] & 0x0F;
    type.assign(message.begin() + 12, message.begin() + 14);
    name = GetName(&message[14]);
    return true;
}

Bytes BulkDump(std::uint8_t device, std::string_view type, std::string_view name, const Bytes& data)
{
    Bytes nibbles;
    AppendNibbles(nibbles, data.data(), data.size());
    Bytes message{kSysexStart, kManufacturer, static_cast<std::uint8_t>(device & 0x0F), kModel};
    Bytes first;
    AppendHead(first, type, name);
    const std::size_t inFirst = std::min(nibbles.size(), kMaxBlock - kHeadBytes);
    first.insert(first.end(), nibbles.begin(), nibbles.begin() + static_cast<std::ptrdiff_t>(inFirst));
    AppendBlock(message, first.data(), first.size());
    for (std::size_t at = inFirst; at < nibbles.size(); at += kMaxBlock)
        AppendBlock(message, &nibbles[at], std::min(kMaxBlock, nibbles.size() - at));
    message.push_back(kSysexEnd);
    return message;
}

bool IsBulkDump(const Bytes& message)
{
    return IsFrameOf(message, false);
}

bool ReadDumpHead(const Bytes& message, std::string& type, std::string& name)
{
    constexpr std::size_t kHeadEnd = kFrameBytes + 2 + kHeadBytes;
    if (!IsBulkDump(message) || message.size() < kHeadEnd ||
        ((std::size_t{message[4]} << 7) | message[5]) < kHeadBytes ||
        !std::equal(kSignature.begin(), kSignature.end(), message.begin() + kFrameBytes + 2))
        return false;
    type.assign(message.begin() + 14, message.begin() + 16);
    name = GetName(&message[16]);
    return true;
}

Bytes ReadBulkDump(const Bytes& message, std::string_view type, std::string_view name)
{
    std::string gotType;
    std::string gotName;
    if (!ReadDumpHead(message, gotType, gotName))
        throw XA3000ReceivedInvalidSysex();
    Bytes nibbles;
    const std::size_t end = message.size() - 1;
    bool first = true;
    for (std::size_t at = kFrameBytes; at < end; first = false) {
        if (at + 2 > end)
            throw XA3000ReceivedInvalidSysex();
        const std::size_t count = (std::size_t{message[at]} << 7) | message[at + 1];
        if (count > kMaxBlock || at + 2 + count + 1 > end)
            throw XA3000ReceivedInvalidSysex();
        const std::uint8_t* payload = &message[at + 2];
        if (XorSum(payload, count) != payload[count])
            throw XA3000ChecksumIncorrect();
        const std::size_t skip = first ? kHeadBytes : 0;
        nibbles.insert(nibbles.end(), payload + skip, payload + count);
        at += 2 + count + 1;
    }
    if (nibbles.size() % 2 != 0)
        throw XA3000ReceivedInvalidSysex();
    if (gotType != type || gotName != name)
        throw XMIDICommunicationException();
    return JoinNibbles(nibbles.data(), nibbles.size());
}

Bytes WaveDumpOpening(std::uint8_t device, std::string_view name, const Bytes& record)
{
    Bytes opening{kSysexStart, kManufacturer, static_cast<std::uint8_t>(device & 0x0F), kModel};
    Bytes first;
    AppendHead(first, kWaveData, name);
    AppendNibbles(first, record.data(), record.size());
    AppendBlock(opening, first.data(), first.size());
    return opening;
}

void AppendWaveBlock(Bytes& out, const std::int16_t* frames, std::size_t count)
{
    Bytes payload;
    payload.reserve(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        const auto word = static_cast<std::uint16_t>(frames[i]);
        const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)};
        AppendNibbles(payload, bytes, 2);
    }
    AppendBlock(out, payload.data(), payload.size());
}

void AppendBlock(Bytes& out, const std::uint8_t* payload, std::size_t count)
{
    out.push_back(static_cast<std::uint8_t>((count >> 7) & 0x7F));
    out.push_back(static_cast<std::uint8_t>(count & 0x7F));
    out.insert(out.end(), payload, payload + count);
    out.push_back(XorSum(payload, count));
}

std::uint8_t XorSum(const std::uint8_t* bytes, std::size_t count)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum ^= bytes[i];
    return sum & 0x7F;
}

void AppendHead(Bytes& out, std::string_view type, std::string_view name)
{
    out.insert(out.end(), kSignature.begin(), kSignature.end());
    for (std::size_t i = 0; i < 2; ++i)
        out.push_back(i < type.size() ? static_cast<std::uint8_t>(type[i]) : ' ');
    const std::size_t at = out.size();
    out.resize(at + kNameLength);
    PutName(&out[at], name);
}

void AppendNibbles(Bytes& out, const std::uint8_t* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        out.push_back(bytes[i] >> 4);
        out.push_back(bytes[i] & 0x0F);
    }
}

Bytes JoinNibbles(const std::uint8_t* nibbles, std::size_t count)
{
    Bytes bytes(count / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (nibbles[2 * i] > 0x0F || nibbles[2 * i + 1] > 0x0F)
            throw XA3000ReceivedInvalidSysex();
        bytes[i] = static_cast<std::uint8_t>((nibbles[2 * i] << 4) | nibbles[2 * i + 1]);
    }
    return bytes;
}

void PutName(std::uint8_t* at, std::string_view name)
{
    for (std::size_t i = 0; i < kNameLength; ++i)
        at[i] = i < name.size() ? static_cast<std::uint8_t>(name[i]) & 0x7F : 0;
}

std::string GetName(const std::uint8_t* at)
{
    std::string name;
    for (std::size_t i = 0; i < kNameLength && at[i] != 0; ++i)
        name.push_back(static_cast<char>(at[i]));
    return name;
}

void Put32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

std::uint32_t Get32(const std::uint8_t* at)
{
    return (std::uint32_t{at[0]} << 24) | (std::uint32_t{at[1]} << 16) | (std::uint32_t{at[2]} << 8) | at[3];
}

std::string AllowedName(std::string_view name)
{
    return KeepAllowed(name, kAllowedInNames, "?");
}

}  // namespace A3000
