#pragma once
// How the Preferences dialog's faders (0-999) stand for the settings they
// change: the play-ahead setting of the sound channel and the contrast.
#include <algorithm>
#include <cstdint>

namespace PreferenceFaders {

inline constexpr int kMaximum = 999;

// Fader value v selects setting v × count ÷ 1001.
constexpr std::uint16_t SettingAt(int value, std::uint16_t count)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0, kMaximum) * count / 1001);
}

// Setting s stands at s × 1000 ÷ (count − 1) − 1 (the start for a channel
// with a single setting).
constexpr int PositionOfSetting(std::uint16_t setting, std::uint16_t count)
{
    if (count < 2)
        return 0;
    return std::clamp(setting * 1000 / (count - 1) - 1, 0, kMaximum);
}

// contrast = value × 100 ÷ 999, shown at contrast × 999 ÷ 100.
constexpr std::uint8_t ContrastAt(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, kMaximum) * 100 / kMaximum);
}

constexpr int PositionOfContrast(std::uint8_t contrast)
{
    return contrast * kMaximum / 100;
}

}  // namespace PreferenceFaders
