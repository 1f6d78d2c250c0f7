#pragma once
// What the document window's text fields and sliders mean, and how values
// are written back into them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::int16_t kMaxBars = 666;

// Stretch slider 0..999 to stretch index 0..13 (trunc(value * 13 / 999)),
// and the smallest slider value that gives an index back.
int StretchIndexFromSlider(int slider);
int SliderFromStretchIndex(int index);

// A bars entry: digits only, held to 0..666. Nothing for an empty entry or
// one with any other character.
std::optional<std::int16_t> ParseBars(std::string_view text);

// A new tempo as its field shows it: "%3ld.%03ld" without leading blanks.
std::string FormatNewTempo(std::int32_t tempo);
