#include "document/views/CWaveformPalette.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kDarkRampStart = 9;
constexpr int kDarkRampSteps = 113;  // entries 9..121
constexpr int kLightRampStart = 122;
constexpr int kLightRampSteps = 114; // entries 122..235
constexpr double kRampDivisor = 113.0;

std::uint16_t Clamp16(double value)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0.0, 65535.0));
}

double Mean(RGBColor16 c)
{
    return (static_cast<double>(c.red) + c.green + c.blue) / 3.0;
}

// Applies f to each component pair (colour component, ramp component).
template <typename F>
RGBColor16 PerComponent(RGBColor16 c, F f)
{
    return {f(c.red), f(c.green), f(c.blue)};
}

RGBColor16 Mix(double grey, double greyShare, RGBColor16 c)
{
    return PerComponent(c, [&](std::uint16_t x) { return Clamp16(greyShare * grey + (1.0 - greyShare) * x); });
}

}  // namespace

RGBColor16 CWaveformPalette::Adjust(RGBColor16 color, double factor)
{
    const double grey = Mean(color);
    return PerComponent(color, [&](std::uint16_t x) { return Clamp16(grey + (x - grey) * (1.0 + factor)); });
}

RGBColor CWaveformPalette::ToEightBit(RGBColor16 color)
{
    return {static_cast<std::uint8_t>(color.red >> 8), static_cast<std::uint8_t>(color.green >> 8),
            static_cast<std::uint8_t>(color.blue >> 8)};
}

CWaveformPalette::CWaveformPalette(RGBColor16 c, int contrast)
{
    contrast = std::clamp(contrast, 0, 100);
    entries_[0] = {9216, 58624, 10496};
    entries_[1] = {17664, 44032, 19200};
    entries_[2] = {56576, 52992, 8448};
    entries_[3] = {42752, 41728, 13568};
    entries_[4] = {0, 0, 16384};
    entries_[5] = {8192, 8192, 32768};

    const RGBColor16 adjusted = Adjust(c, (contrast - 50) * 0.02);
    const double adjustedGrey = Mean(adjusted);
    entries_[7] = Mix(adjustedGrey, 0.66, adjusted);
    entries_[8] = Mix(adjustedGrey, 0.6, adjusted);
    entries_[6] = PerComponent(entries_[7], [](std::uint16_t x) {
        return static_cast<std::uint16_t>(x < 32768 ? x + 10000 : x - 10000);
    });

    const double grey = Mean(c);
    for (int i = 0; i < kDarkRampSteps; ++i) {
        const double weight = 0.7 + 0.3 * i / kRampDivisor;
        entries_[static_cast<std::size_t>(kDarkRampStart + i)] = PerComponent(c, [&](std::uint16_t x) {
            const std::int64_t low = x / 1000;
            const std::int64_t ramp = low + (x - low) * i / 113;
            return Clamp16(grey + (static_cast<double>(ramp) - grey) * weight);
        });
    }
    for (int i = 0; i < kLightRampSteps; ++i) {
        const double weight = 1.0 - 0.5 * i / kRampDivisor;
        entries_[static_cast<std::size_t>(kLightRampStart + i)] = PerComponent(c, [&](std::uint16_t x) {
            const std::int64_t doubled = std::min<std::int64_t>(2 * std::int64_t{x}, 65535);
            const std::int64_t ramp = x + (doubled - x) * i / 113;
            return Clamp16(grey + (static_cast<double>(ramp) - grey) * weight);
        });
    }

    const RGBColor16 inverse{static_cast<std::uint16_t>(65535 - c.red), static_cast<std::uint16_t>(65535 - c.green),
                             static_cast<std::uint16_t>(65535 - c.blue)};
    locator_ = Adjust(inverse, -contrast * 0.01);
}

std::array<RGBColor, CWaveformPalette::kColors> CWaveformPalette::EightBitEntries() const
{
    std::array<RGBColor, kColors> colors{};
    std::transform(entries_.begin(), entries_.end(), colors.begin(), ToEightBit);
    return colors;
}
