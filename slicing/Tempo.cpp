#include "slicing/Tempo.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "sound/SampleFormatting.h"

namespace {

constexpr std::array<std::int64_t, 3> kDecimalScale = {100, 10, 1};
constexpr std::array<TimeSignature, 6> kSignatures = {{{2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 8}, {7, 8}}};

} // namespace

TimeSignature TimeSignatureOf(int index)
{
    return kSignatures[static_cast<std::size_t>(std::clamp(index, 0, 5))];
}

std::int32_t LoopTicks(int bars, int beats, int signatureIndex)
{
    const TimeSignature signature = TimeSignatureOf(signatureIndex);
    return (bars * signature.numerator + beats) * (4 * kTicksPerQuarter / signature.denominator);
}

std::int32_t TempoFromLength(std::uint32_t rate, std::int32_t ticks, std::int64_t left, std::int64_t right)
{
    if (right <= left || rate == 0 || ticks <= 0)
        return 0;
    const double tempo = static_cast<double>(rate) * ticks * 60 /
                         (static_cast<double>(right - left) * kTicksPerQuarter) * 1000;
    return static_cast<std::int32_t>(std::min(tempo, static_cast<double>(kMaxTempo)));
}

std::string FormatTempo(std::int32_t tempo)
{
    return FormatMilliseconds(static_cast<std::uint32_t>(std::max(tempo, 0))) + " BPM";
}

std::optional<std::int32_t> ParseNewTempo(std::string_view text)
{
    std::int64_t whole = 0;
    std::int64_t thousandths = 0;
    int decimals = -1; // -1 until the point
    bool digits = false;
    for (const char c : text) {
        if (c == '.') {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            if (decimals < 0)
                whole = std::min<std::int64_t>(whole * 10 + (c - '0'), kMaxTempo);
            else if (decimals < 3)
                thousandths += (c - '0') * kDecimalScale[static_cast<std::size_t>(decimals++)];
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(whole * 1000 + thousandths, 1, kMaxTempo));
}

std::int32_t TranspositionCents(std::int32_t newTempo, std::int32_t tempo)
{
    return CentsDistance(newTempo, tempo);
}

TranspositionSplit SplitTransposition(std::int32_t cents)
{
    const std::int32_t magnitude = cents < 0 ? -cents : cents;
    const std::int32_t semitones = (magnitude + 50) / 100 * (cents < 0 ? -1 : 1);
    return {semitones, cents - 100 * semitones};
}

std::int64_t FramesToTicks(std::int64_t frames, std::int64_t loopTicks, std::int64_t loopFrames)
{
    return loopFrames == 0 ? 0 : frames * loopTicks / loopFrames;
}
