#include "document/views/CRulerTime.h"

#include <array>
#include <cstdio>
#include <cstdlib>

std::int64_t CRulerTime::Units(std::int64_t frame, std::uint32_t rate)
{
    return rate == 0 ? 0 : frame * kUnitsPerSecond / static_cast<std::int64_t>(rate);
}

std::string CRulerTime::Format(std::int64_t frame, std::uint32_t rate)
{
    const std::int64_t units = Units(frame, rate);
    const std::int64_t a = std::llabs(units);
    char text[64];
    std::snprintf(text, sizeof text, "s%2lld.%2lld:%2lld:%2lld.%1lld", static_cast<long long>(a / 172800000),
                  static_cast<long long>(a % 172800000 / 7200000), static_cast<long long>(a % 7200000 / 120000),
                  static_cast<long long>(a % 120000 / 2000), static_cast<long long>(a % 2000 / 200));
    std::string result(text);
    for (char& c : result) {
        if (c == ' ')
            c = '0';
    }
    result[0] = units < 0 ? '-' : ' ';
    return result;
}

std::int64_t CRulerTime::TickSpacing(std::uint32_t rate, double framesPerPixel, int minimumPixels)
{
    // 0.1 s, 0.2 s, 0.5 s, 1 s, 2 s, 5 s, 10 s, 15 s, 30 s, 1 min, 2 min, 5 min, 10 min, 30 min, 1 h.
    static constexpr std::array<std::int64_t, 15> kSpacings{
        200, 400, 1000, 2000, 4000, 10000, 20000, 30000, 60000, 120000, 240000, 600000, 1200000, 3600000, 7200000};
    const double unitsPerPixel = rate == 0 ? 0.0 : framesPerPixel * kUnitsPerSecond / rate;
    for (std::int64_t spacing : kSpacings) {
        if (spacing >= unitsPerPixel * minimumPixels)
            return spacing;
    }
    return kSpacings.back();
}
