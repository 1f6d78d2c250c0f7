#pragma once
// Time labels of the ruler: a frame position as days, hours, minutes,
// seconds and tenths, and the spacing of labelled ticks for a zoom.
#include <cstdint>
#include <string>

class CRulerTime {
public:
    // Time is counted in units of 1/2000 second.
    static constexpr std::int64_t kUnitsPerSecond = 2000;

    // Frame position in time units: frame × 2000 ÷ rate, cut toward zero.
    static std::int64_t Units(std::int64_t frame, std::uint32_t rate);
    // " 00.00:01:02.5": sign (blank or "-"), days, hours, minutes, seconds
    // and tenths, two-digit fields with leading zeros.
    static std::string Format(std::int64_t frame, std::uint32_t rate);
    // The shortest of the usual tick spacings (time units) that keeps
    // labelled ticks at least minimumPixels apart.
    static std::int64_t TickSpacing(std::uint32_t rate, double framesPerPixel, int minimumPixels);
};
