#include "samplers/sds/SDSMessages.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "devices/midi/SysexEncoding.h"
#include "framework/exceptions/SamplerExceptions.h"

namespace SDS {

namespace {

constexpr std::uint8_t kMinimumBits = 8;
constexpr std::uint8_t kMaximumBits = 28;
constexpr std::size_t kDataStart = 5;

Bytes Start(std::uint8_t channel, std::uint8_t type)
{
    return {0xF0, kUniversalNonRealTime, channel, type};
}

bool Is(const Bytes& message, std::size_t length, std::uint8_t type)
{
    return message.size() == length && message[1] == kUniversalNonRealTime && message[3] == type;
}

}  // namespace

std::size_t BytesPerWord(std::uint8_t bits)
{
    return bits <= 14 ? 2 : bits <= 21 ? 3 : 4;
}

std::uint32_t WordsPerPacket(std::uint8_t bits)
{
    return static_cast<std::uint32_t>(kPacketDataBytes / BytesPerWord(bits));
}

FrameWidth FrameWidthOf(std::uint8_t bits)
{
    return bits <= 16 ? FrameWidth::k16 : FrameWidth::k32;
}

std::uint32_t PeriodOf(std::uint32_t rate)
{
    const std::uint32_t period = rate == 0 ? kLongestPeriod : 1000000000u / rate;
    return std::clamp<std::uint32_t>(period, 1, kLongestPeriod);
}

std::uint32_t RateOf(std::uint32_t period)
{
    const std::uint32_t rate = 1000000000u / period;
    for (const std::uint32_t common : {44100u, 48000u, 32000u, 22050u, 11025u, 8000u})
        if (rate + 1 >= common && rate <= common + 1)
            return common;
    return rate;
}

Header HeaderOf(const SampleFormat& format, std::uint16_t number)
{
    Header header;
    header.sampleNumber = number;
    header.bits = std::clamp(format.bits, kMinimumBits, kMaximumBits);
    header.period = PeriodOf(format.rate);
    header.length = format.length;
    switch (format.sustain.mode) {
    case LoopMode::kForward:
    case LoopMode::kAlternating:
        header.loopStart = format.sustain.start;
        header.loopEnd = format.sustain.end;
        header.loopType = format.sustain.mode == LoopMode::kForward ? kLoopForward : kLoopAlternating;
        break;
    case LoopMode::kOff:
        header.loopStart = header.loopEnd = format.sustain.end;
        header.loopType = kLoopOff;
        break;
    case LoopMode::kNoLoopData:
        header.loopStart = header.loopEnd = format.length;
        header.loopType = kLoopOff;
        break;
    }
    return header;
}

SampleFormat FormatOf(const Header& header)
{
    if (header.period == 0 || header.bits < kMinimumBits || header.bits > kMaximumBits)
        throw XSysexInvalidFormat();
    SampleFormat format;
    format.channels = 1;
    format.bits = header.bits;
    format.rate = RateOf(header.period);
    format.length = header.length;
    format.start = 0;
    format.end = header.length;
    format.rootKey = 60;
    if (header.loopStart > header.loopEnd) {
        format.sustain.mode = LoopMode::kNoLoopData;
    } else {
        format.sustain.mode = header.loopType == kLoopForward       ? LoopMode::kForward
                              : header.loopType == kLoopAlternating ? LoopMode::kAlternating
                                                                    : LoopMode::kOff;
        format.sustain.start = header.loopStart;
        format.sustain.end = header.loopEnd;
    }
    return format;
}

Bytes DumpHeader(std::uint8_t channel, const Header& header)
{
    Bytes bytes = Start(channel, kDumpHeader);
    Append7BitLittleEndian(bytes, header.sampleNumber, 2);
    bytes.push_back(header.bits);
    Append7BitLittleEndian(bytes, header.period, 3);
    Append7BitLittleEndian(bytes, header.length, 3);
    Append7BitLittleEndian(bytes, header.loopStart, 3);
    Append7BitLittleEndian(bytes, header.loopEnd, 3);
    bytes.push_back(header.loopType & 0x7F);
    bytes.push_back(0xF7);
    return bytes;
}

Bytes DumpRequest(std::uint8_t channel, std::uint16_t sampleNumber)
{
    Bytes bytes = Start(channel, kDumpRequest);
    Append7BitLittleEndian(bytes, sampleNumber, 2);
    bytes.push_back(0xF7);
    return bytes;
}

Bytes HandshakeMessage(std::uint8_t channel, std::uint8_t type, std::uint8_t packet)
{
    return {0xF0, kUniversalNonRealTime, channel, type, static_cast<std::uint8_t>(packet & 0x7F), 0xF7};
}

Bytes DataPacket(std::uint8_t channel, std::uint8_t packet, std::uint8_t bits, const void* frames,
                 std::uint32_t words)
{
    Bytes bytes = Start(channel, kDataPacket);
    bytes.push_back(packet & 0x7F);
    const std::size_t width = BytesPerWord(bits);
    const bool wide = FrameWidthOf(bits) == FrameWidth::k32;
    for (std::uint32_t i = 0; i < words && (i + 1) * width <= kPacketDataBytes; ++i) {
        if (wide) {
            std::int32_t value;
            std::memcpy(&value, static_cast<const std::uint8_t*>(frames) + i * 4, 4);
            const std::uint32_t v = static_cast<std::uint32_t>(value) + 0x80000000u;
            for (std::size_t k = 0; k < width; ++k)
                bytes.push_back(static_cast<std::uint8_t>((v >> (25 - 7 * k)) & 0x7F));
        } else {
            std::int16_t value;
            std::memcpy(&value, static_cast<const std::uint8_t*>(frames) + i * 2, 2);
            const std::uint32_t v = static_cast<std::uint16_t>(value + 0x8000);
            bytes.push_back(static_cast<std::uint8_t>(v >> 9));
            bytes.push_back(static_cast<std::uint8_t>((v >> 2) & 0x7F));
            if (width == 3)
                bytes.push_back(static_cast<std::uint8_t>((v & 3) << 5));
        }
    }
    bytes.resize(kDataStart + kPacketDataBytes, 0x00);
    bytes.push_back(0);
    bytes.push_back(0xF7);
    bytes[kPacketLength - 2] = Checksum(bytes);
    return bytes;
}

std::uint8_t Checksum(const Bytes& packet)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 1; i < kPacketLength - 2; ++i)
        sum ^= packet[i];
    return sum & 0x7F;
}

bool IsHandshake(const Bytes& message)
{
    return message.size() == kHandshakeLength && message[1] == kUniversalNonRealTime && message[3] >= kWait &&
           message[3] <= kACK;
}

bool IsDumpHeader(const Bytes& message)
{
    return Is(message, kHeaderLength, kDumpHeader);
}

bool IsDataPacket(const Bytes& message)
{
    return Is(message, kPacketLength, kDataPacket);
}

bool IsDumpRequest(const Bytes& message)
{
    return Is(message, kRequestLength, kDumpRequest);
}

Handshake ParseHandshake(const Bytes& message)
{
    return {message[3], message[4]};
}

Header ParseHeader(const Bytes& message)
{
    Header header;
    header.sampleNumber = static_cast<std::uint16_t>(Unpack7BitLittleEndian(2, message.data() + 4));
    header.bits = message[6];
    header.period = Unpack7BitLittleEndian(3, message.data() + 7);
    header.length = Unpack7BitLittleEndian(3, message.data() + 10);
    header.loopStart = Unpack7BitLittleEndian(3, message.data() + 13);
    header.loopEnd = Unpack7BitLittleEndian(3, message.data() + 16);
    header.loopType = message[19];
    return header;
}

std::uint16_t ParseRequestedNumber(const Bytes& message)
{
    return static_cast<std::uint16_t>(Unpack7BitLittleEndian(2, message.data() + 4));
}

void UnpackWords(const Bytes& packet, std::uint8_t bits, void* frames, std::uint32_t words)
{
    const std::size_t width = BytesPerWord(bits);
    const bool wide = FrameWidthOf(bits) == FrameWidth::k32;
    auto* out = static_cast<std::uint8_t*>(frames);
    for (std::uint32_t i = 0; i < words && (i + 1) * width <= kPacketDataBytes; ++i) {
        const std::uint8_t* b = packet.data() + kDataStart + i * width;
        const std::int32_t top = std::int32_t{b[0]} - 0x40;
        if (!wide) {
            std::int32_t value = (top * 128 + b[1]) * 4;
            if (width == 3)
                value += b[2] >> 5;
            const auto sample = static_cast<std::int16_t>(value);
            std::memcpy(out + i * 2, &sample, 2);
        } else {
            const std::int64_t value = width == 3
                                           ? (std::int64_t{top} * 16384 + b[1] * 128 + b[2]) * 2048
                                           : (std::int64_t{top} * 2097152 + b[1] * 16384 + b[2] * 128 + b[3]) * 16;
            const auto sample = static_cast<std::int32_t>(value);
            std::memcpy(out + i * 4, &sample, 4);
        }
    }
}

}  // namespace SDS
