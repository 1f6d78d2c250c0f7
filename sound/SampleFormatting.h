#pragma once
// Rates, times and pitch distances as the program shows and uses them.
#include <cstdint>
#include <string>

// "800Hz" below 1000 Hz; else thousands with up to three decimals, trailing
// zeros dropped: "44.1kHz", "48kHz", "22.05kHz".
std::string FormatSampleRate(std::uint32_t rate);

// t / 1000 and t mod 1000 as "%3ld.%03ld" (also used for tempos in
// thousandths of a BPM).
std::string FormatMilliseconds(std::uint32_t milliseconds);

// 12 * log2(a / b); 0 when either value is not positive.
double SemitoneDistance(double a, double b);
// The same in cents, cut toward zero.
std::int32_t CentsDistance(double a, double b);
