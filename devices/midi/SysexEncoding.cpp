#include "devices/midi/SysexEncoding.h"

void Pack7BitBigEndian(std::uint32_t value, std::size_t count, std::uint8_t* destination)
{
    for (std::size_t i = count; i-- > 0; value >>= 7)
        destination[i] = static_cast<std::uint8_t>(value & 0x7F);
}

std::uint32_t Unpack7BitBigEndian(std::size_t count, const std::uint8_t* source)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = value * 128 + (source[i] & 0x7F);
    return value;
}

void Append7BitLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, value >>= 7)
        bytes.push_back(static_cast<std::uint8_t>(value & 0x7F));
}

std::uint32_t Unpack7BitLittleEndian(std::size_t count, const std::uint8_t* source)
{
    std::uint32_t value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = (value << 7) | (source[i] & 0x7F);
    return value;
}

void PackNibbles(std::size_t count, const std::uint8_t* bytes, std::uint8_t* destination)
{
    for (std::size_t i = 0; i < count; ++i) {
        destination[2 * i] = bytes[i] >> 4;
        destination[2 * i + 1] = bytes[i] & 0x0F;
    }
}

void UnpackNibbles(std::size_t count, std::uint8_t* destination, const std::uint8_t* source)
{
    for (std::size_t i = 0; i < count; ++i)
        destination[i] = static_cast<std::uint8_t>((source[2 * i] & 0x0F) << 4 | (source[2 * i + 1] & 0x0F));
}

std::uint8_t SumChecksum(std::size_t count, const std::uint8_t* bytes)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    return sum & 0x7F;
}

std::uint8_t NegatedSumChecksum(std::size_t count, const std::uint8_t* bytes)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    return static_cast<std::uint8_t>(0 - sum) & 0x7F;
}

void Mask7Bit(std::size_t count, const std::uint8_t* source, std::uint8_t* destination)
{
    for (std::size_t i = 0; i < count; ++i)
        destination[i] = source[i] & 0x7F;
}

std::int64_t RoundedMulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    return a >= 0 ? (a * b + c / 2) / c : (a * b - c / 2) / c;
}
