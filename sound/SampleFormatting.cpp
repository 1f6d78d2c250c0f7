#include "sound/SampleFormatting.h"

#include <cmath>
#include <cstdio>

std::string FormatSampleRate(std::uint32_t rate)
{
    char text[32];
    if (rate < 1000) {
        std::snprintf(text, sizeof text, "%ldHz", static_cast<long>(rate));
        return text;
    }
    std::snprintf(text, sizeof text, "%ld.%03ld", static_cast<long>(rate / 1000), static_cast<long>(rate % 1000));
    std::string result = text;
    while (result.back() == '0')
        result.pop_back();
    if (result.back() == '.')
        result.pop_back();
    return result + "kHz";
}

std::string FormatMilliseconds(std::uint32_t milliseconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%3ld.%03ld", static_cast<long>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000));
    return text;
}

double SemitoneDistance(double a, double b)
{
    if (!(a > 0) || !(b > 0))
        return 0;
    return 12 * std::log2(a / b);
}

std::int32_t CentsDistance(double a, double b)
{
    return static_cast<std::int32_t>(std::trunc(SemitoneDistance(a, b) * 100));
}
