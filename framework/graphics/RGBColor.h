#pragma once
// One colour of 8-bit red, green and blue components.
#include <cstdint>

struct RGBColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RGBColor&, const RGBColor&) = default;
};
