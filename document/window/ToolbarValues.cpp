#include "document/window/ToolbarValues.h"

#include <algorithm>

#include "slicing/CSlicingSettings.h"
#include "sound/SampleFormatting.h"

namespace {
constexpr int kSliderMaximum = 999;
constexpr int kLastStretch = CSlicingSettings::kStretchSteps - 1;
}  // namespace

int StretchIndexFromSlider(int slider)
{
    return std::clamp(slider, 0, kSliderMaximum) * kLastStretch / kSliderMaximum;
}

int SliderFromStretchIndex(int index)
{
    return (std::clamp(index, 0, kLastStretch) * kSliderMaximum + kLastStretch - 1) / kLastStretch;
}

std::optional<std::int16_t> ParseBars(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    int bars = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        bars = std::min(bars * 10 + (c - '0'), static_cast<int>(kMaxBars));
    }
    return static_cast<std::int16_t>(bars);
}

std::string FormatNewTempo(std::int32_t tempo)
{
    std::string text = FormatMilliseconds(static_cast<std::uint32_t>(std::max(tempo, 0)));
    text.erase(0, text.find_first_not_of(' '));
    return text;
}
