#pragma once
// A colour of 16-bit red, green and blue components, as the preferences keep
// the waveform colour.
#include <cstdint>

struct RGBColor16 {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;

    friend bool operator==(const RGBColor16&, const RGBColor16&) = default;
};
