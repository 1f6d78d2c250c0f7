#pragma once
// Where a sample sits on the keyboard so that playing its key sounds the
// loop's transposition (pitch mode): the key it plays unchanged at, lowered
// by the whole semitones, and the fine cents as a correction.
#include <cstdint>

struct TransposedKey {
    std::uint8_t rootKey = 60;
    std::int8_t cents = 0;  // -50..50
};

// The sample on key: without pitch mode rooted on key itself. With it,
// key less the whole semitones of transposition (cents) and the fine rest;
// a root that leaves 0..127 is clamped and the fine rest dropped.
TransposedKey TransposeKey(std::uint8_t key, bool pitchMode, std::int32_t transposition);
