#pragma once
// Finds where a sound meets zero near a position.
#include <cstdint>

class WAVE_SAMPLE;

// The position of the nearest zero crossing to position (clamped into the
// sound) within radius frames, looking backward first at each distance;
// the position itself when none is found. 0 for an empty sound. Never reads
// outside the sound.
std::uint32_t FindZeroCrossing(const WAVE_SAMPLE& sound, std::int64_t position, std::int32_t radius);
