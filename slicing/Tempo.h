#pragma once
// Musical length, tempo and transposition of a loop. Tempos are in
// thousandths of a BPM (quarter notes per minute), lengths in ticks of 960
// per quarter note.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::int32_t kTicksPerQuarter = 960;
inline constexpr std::int32_t kMaxTempo = 999999;

struct TimeSignature {
    int numerator;
    int denominator;
};

// Index 0..5 (clamped): 2/4, 3/4, 4/4, 5/4, 6/8, 7/8.
TimeSignature TimeSignatureOf(int index);

// (bars * numerator + beats) * (3840 / denominator).
std::int32_t LoopTicks(int bars, int beats, int signatureIndex);

// The tempo of ticks spread over the frames from left to right at rate,
// capped at 999.999 BPM; 0 for an empty or reversed range or a rate of 0.
std::int32_t TempoFromLength(std::uint32_t rate, std::int32_t ticks, std::int64_t left, std::int64_t right);

// "%3ld.%03ld BPM".
std::string FormatTempo(std::int32_t tempo);

// A typed tempo in BPM (digits and at most one point) in thousandths, cut
// toward zero and held to 1..999999. Nothing for any other text.
std::optional<std::int32_t> ParseNewTempo(std::string_view text);

// Cents from tempo to newTempo, cut toward zero; 0 when either is 0.
std::int32_t TranspositionCents(std::int32_t newTempo, std::int32_t tempo);

struct TranspositionSplit {
    std::int32_t semitones; // nearest whole semitone, halves away from zero
    std::int32_t cents;     // the rest, so that 100 * semitones + cents is the whole
};
TranspositionSplit SplitTransposition(std::int32_t cents);

// frames * loopTicks / loopFrames, cut toward zero, in 64 bits; 0 for an empty loop.
std::int64_t FramesToTicks(std::int64_t frames, std::int64_t loopTicks, std::int64_t loopFrames);
