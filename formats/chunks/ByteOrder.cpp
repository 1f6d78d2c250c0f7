#include "formats/chunks/ByteOrder.h"

#include <cmath>
#include <cstring>

namespace {

const std::uint8_t* Bytes(const void* p)
{
    return static_cast<const std::uint8_t*>(p);
}

std::uint8_t* Bytes(void* p)
{
    return static_cast<std::uint8_t*>(p);
}

constexpr int kExtendedBias = 16383;
constexpr int kExtendedMaxExponent = 0x7FFF;

} // namespace

void WriteId(void* dest, const char* id)
{
    std::uint8_t* d = Bytes(dest);
    std::memset(d, 0, 4);
    for (int i = 0; i < 4 && id[i] != '\0'; ++i)
        d[i] = static_cast<std::uint8_t>(id[i]);
}

void ReadId(const void* src, char id[5])
{
    std::memcpy(id, src, 4);
    id[4] = '\0';
}

std::uint16_t ReadBigEndian16(const void* src)
{
    const std::uint8_t* s = Bytes(src);
    return static_cast<std::uint16_t>((s[0] << 8) | s[1]);
}

std::uint32_t ReadBigEndian32(const void* src)
{
    const std::uint8_t* s = Bytes(src);
    return (std::uint32_t(s[0]) << 24) | (std::uint32_t(s[1]) << 16) | (std::uint32_t(s[2]) << 8) | s[3];
}

void WriteBigEndian16(void* dest, std::uint16_t value)
{
    std::uint8_t* d = Bytes(dest);
    d[0] = static_cast<std::uint8_t>(value >> 8);
    d[1] = static_cast<std::uint8_t>(value);
}

void WriteBigEndian32(void* dest, std::uint32_t value)
{
    std::uint8_t* d = Bytes(dest);
    d[0] = static_cast<std::uint8_t>(value >> 24);
    d[1] = static_cast<std::uint8_t>(value >> 16);
    d[2] = static_cast<std::uint8_t>(value >> 8);
    d[3] = static_cast<std::uint8_t>(value);
}

std::uint16_t ReadLittleEndian16(const void* src)
{
    const std::uint8_t* s = Bytes(src);
    return static_cast<std::uint16_t>(s[0] | (s[1] << 8));
}

std::uint32_t ReadLittleEndian32(const void* src)
{
    const std::uint8_t* s = Bytes(src);
    return s[0] | (std::uint32_t(s[1]) << 8) | (std::uint32_t(s[2]) << 16) | (std::uint32_t(s[3]) << 24);
}

void WriteLittleEndian16(void* dest, std::uint16_t value)
{
    std::uint8_t* d = Bytes(dest);
    d[0] = static_cast<std::uint8_t>(value);
    d[1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteLittleEndian32(void* dest, std::uint32_t value)
{
    std::uint8_t* d = Bytes(dest);
    d[0] = static_cast<std::uint8_t>(value);
    d[1] = static_cast<std::uint8_t>(value >> 8);
    d[2] = static_cast<std::uint8_t>(value >> 16);
    d[3] = static_cast<std::uint8_t>(value >> 24);
}

double ReadExtended(const void* src)
{
    const std::uint8_t* s = Bytes(src);
    const std::uint16_t signAndExponent = ReadBigEndian16(s);
    const std::uint32_t hi = ReadBigEndian32(s + 2);
    const std::uint32_t lo = ReadBigEndian32(s + 6);
    if (signAndExponent == 0 && hi == 0 && lo == 0)
        return 0.0;
    const int exponent = signAndExponent & kExtendedMaxExponent;
    const double mantissa = std::ldexp(double(hi), -31) + std::ldexp(double(lo), -63);
    const double value = std::ldexp(mantissa, exponent - kExtendedBias);
    return (signAndExponent & 0x8000) ? -value : value;
}

void WriteExtended(void* dest, double value)
{
    std::uint8_t* d = Bytes(dest);
    std::memset(d, 0, 10);
    const std::uint16_t sign = std::signbit(value) ? 0x8000 : 0;
    const double v = std::fabs(value);
    if (v == 0.0 || std::isnan(v))
        return;
    if (std::isinf(v)) {
        // The largest exponent with only the explicit leading bit.
        WriteBigEndian16(d, static_cast<std::uint16_t>(sign | kExtendedMaxExponent));
        WriteBigEndian32(d + 2, 0x80000000u);
        return;
    }
    // Every finite double lies well inside the extended exponent range.
    const int exponent = kExtendedBias + static_cast<int>(std::trunc(std::log2(v)));
    const double m = std::ldexp(v, kExtendedBias + 31 - exponent);
    const double hi = std::trunc(m);
    const double lo = std::trunc(std::ldexp(m - hi, 32));
    WriteBigEndian16(d, static_cast<std::uint16_t>(sign | exponent));
    WriteBigEndian32(d + 2, static_cast<std::uint32_t>(hi));
    WriteBigEndian32(d + 6, static_cast<std::uint32_t>(lo));
}

std::uint32_t ReadChunkSize(const void* src, ChunkByteOrder order)
{
    return order == ChunkByteOrder::kLittleEndian ? ReadLittleEndian32(src) : ReadBigEndian32(src);
}

void WriteChunkSize(void* dest, std::uint32_t size, ChunkByteOrder order)
{
    if (order == ChunkByteOrder::kLittleEndian)
        WriteLittleEndian32(dest, size);
    else
        WriteBigEndian32(dest, size);
}
