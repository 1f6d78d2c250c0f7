#include "samplers/smdi/SMDIWords.h"

#include <algorithm>

namespace SMDIWords {

namespace {

// A sample as a 32-bit value with its top bits at bit 31.
template <typename Sample>
std::uint32_t TopAligned(Sample sample)
{
    constexpr int kShift = 32 - 8 * static_cast<int>(sizeof(Sample));
    return static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Sample>>(sample)) << kShift;
}

template <typename Sample>
Sample FromTopAligned(std::uint32_t value)
{
    constexpr int kShift = 32 - 8 * static_cast<int>(sizeof(Sample));
    return static_cast<Sample>(value >> kShift);
}

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
        out[i] = FromTopAligned<Sample>(value);
    }
}

}  // namespace

FrameWidth WidthFor(std::uint8_t bits)
{
    return bits <= 8 ? FrameWidth::k8 : bits <= 16 ? FrameWidth::k16 : FrameWidth::k32;
}

void Encode(const void* samples, FrameWidth width, std::size_t count, std::size_t bytesPerWord, std::uint8_t* out)
{
    switch (width) {
    case FrameWidth::k8: return EncodeSamples(static_cast<const std::int8_t*>(samples), count, bytesPerWord, out);
    case FrameWidth::k16: return EncodeSamples(static_cast<const std::int16_t*>(samples), count, bytesPerWord, out);
    case FrameWidth::k32: return EncodeSamples(static_cast<const std::int32_t*>(samples), count, bytesPerWord, out);
    }
}

void Decode(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerWord, FrameWidth width, void* out)
{
    switch (width) {
    case FrameWidth::k8: return DecodeSamples(bytes, count, bytesPerWord, static_cast<std::int8_t*>(out));
    case FrameWidth::k16: return DecodeSamples(bytes, count, bytesPerWord, static_cast<std::int16_t*>(out));
    case FrameWidth::k32: return DecodeSamples(bytes, count, bytesPerWord, static_cast<std::int32_t*>(out));
    }
}

}  // namespace SMDIWords
