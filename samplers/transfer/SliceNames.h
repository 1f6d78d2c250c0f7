#pragma once
// The name helpers of the transmit dialogs: sample names numbered per
// slice, and the clean-ups a family applies before a name goes to its
// sampler.
#include <string>
#include <string_view>

// `base` blank-padded (or cut) to `width` characters, its last three
// replaced by slice index + 1 printed with "%3d": "KICK" of width 8 and
// index 4 gives "KICK   5". A width under 3 keeps only the number's digits
// that fit.
std::string SliceSampleName(std::string_view base, int index, std::size_t width);
// Every blank that is followed by another blank is removed.
std::string CollapseBlanks(std::string_view name);
// Every character not in `allowed` is removed; `fallback` when none is left.
std::string KeepAllowed(std::string_view name, std::string_view allowed, std::string_view fallback);
// The name up to its first ".".
std::string CutExtension(std::string_view name);
// a-z become A-Z.
std::string UpperCase(std::string_view name);
