#include "slicing/CSlicingSettings.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "slicing/Tempo.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::array<std::int32_t, CSlicingSettings::kStretchSteps> kStretchFactors = {
    1000, 1050, 1100, 1150, 1200, 1250, 1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000};

} // namespace

std::int16_t CSlicingSettings::SensitivityFromSlider(int slider)
{
    return static_cast<std::int16_t>(std::clamp(slider, 0, 999) / 10 * 10);
}

int CSlicingSettings::SliderFromSensitivity(std::int16_t sensitivity)
{
    return 999 * std::clamp<int>(sensitivity, 0, 990) / 990;
}

std::string CSlicingSettings::SensitivityLabel(std::int16_t sensitivity)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", sensitivity / 10);
    return text;
}

std::int16_t CSlicingSettings::ThresholdFor(std::int16_t sensitivity)
{
    const std::int32_t s = std::clamp<std::int32_t>(sensitivity, 0, 999);
    return static_cast<std::int16_t>(32767 - (s * 32767 + 499) / 999);
}

std::int32_t CSlicingSettings::StretchFactor(int index)
{
    return kStretchFactors[static_cast<std::size_t>(std::clamp(index, 0, kStretchSteps - 1))];
}

std::string CSlicingSettings::StretchLabel(int index)
{
    const std::int32_t factor = StretchFactor(index);
    if (factor == 1000)
        return "Off";
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", static_cast<int>((factor - 1000) / 10));
    return text;
}

std::int32_t CSlicingSettings::LoopTicks() const
{
    return ::LoopTicks(bars, beats, signature);
}

std::int32_t CSlicingSettings::Tempo(const WAVE_SAMPLE& sound) const
{
    return TempoFromLength(sound.Rate(), LoopTicks(), sound.LoopStart(), sound.LoopEnd());
}
