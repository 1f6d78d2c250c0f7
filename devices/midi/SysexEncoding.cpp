#include "devices/midi/SysexEncoding.h"

namespace {

std::uint32_t UnpackLittle(const std::uint8_t* source, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = (value << 7) | (source[i] & 0x7F);
    return value;
}

void PackLittle(std::uint8_t* destination, std::uint32_t value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, value >>= 7)
        destination[i] = static_cast<std::uint8_t>(value & 0x7F);
}

}  // namespace

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

std::uint32_t Unpack7Bit2(const std::uint8_t* source) { return UnpackLittle(source, 2); }
std::uint32_t Unpack7Bit3(const std::uint8_t* source) { return UnpackLittle(source, 3); }
std::uint32_t Unpack7Bit4(const std::uint8_t* source) { return UnpackLittle(source, 4); }
void Pack7Bit2(std::uint8_t* destination, std::uint32_t value) { PackLittle(destination, value, 2); }
void Pack7Bit3(std::uint8_t* destination, std::uint32_t value) { PackLittle(destination, value, 3); }
void Pack7Bit4(std::uint8_t* destination, std::uint32_t value) { PackLittle(destination, value, 4); }

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
