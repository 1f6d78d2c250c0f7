#include "samplers/smdi/SMDIWords.h"

#include <algorithm>

namespace SMDIWords {

namespace {

// A frame as a 32-bit value with its top bits at bit 31.
std::uint32_t TopAligned(std::int16_t sample) { return static_cast<std::uint32_t>(static_cast<std::uint16_t>(sample)) << 16; }
std::uint32_t TopAligned(std::int32_t sample) { return static_cast<std::uint32_t>(sample); }
void FromTopAligned(std::uint32_t value, std::int16_t& sample) { sample = static_cast<std::int16_t>(value >> 16); }
void FromTopAligned(std::uint32_t value, std::int32_t& sample) { sample = static_cast<std::int32_t>(value); }

template <typename Sample>
void EncodeSamples(const Sample* samples, std::size_t count, std::size_t bytesPerWord, std::uint8_t* out)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t value = TopAligned(samples[i]);
        for (std::size_t b = 0; b < bytesPerWord; ++b)
            *out++ = b < 4 ? static_cast<std::uint8_t>(value >> (24 - 8 * b)) : 0;
    }
}

template <typename Sample>
void DecodeSamples(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerWord, Sample* out)
{
    const std::size_t kept = std::min<std::size_t>(bytesPerWord, 4);
    for (std::size_t i = 0; i < count; ++i, bytes += bytesPerWord) {
        std::uint32_t value = 0;
        for (std::size_t b = 0; b < kept; ++b)
            value |= static_cast<std::uint32_t>(bytes[b]) << (24 - 8 * b);
        FromTopAligned(value, out[i]);
    }
}

}  // namespace

void Encode(const std::int16_t* samples, std::size_t count, std::size_t bytesPerWord, std::uint8_t* out)
{
    EncodeSamples(samples, count, bytesPerWord, out);
}

void Encode(const std::int32_t* samples, std::size_t count, std::size_t bytesPerWord, std::uint8_t* out)
{
    EncodeSamples(samples, count, bytesPerWord, out);
}

void Decode(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerWord, std::int16_t* out)
{
    DecodeSamples(bytes, count, bytesPerWord, out);
}

void Decode(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerWord, std::int32_t* out)
{
    DecodeSamples(bytes, count, bytesPerWord, out);
}

}  // namespace SMDIWords
