#pragma once
// Sample-rate conversion between paged stores with the 6-tap interpolation
// kernel. Output frame k reproduces the source at about k * Rs / Rd - 1.
#include <cstdint>

class BAT;

// Ns * Rd / Rs cut toward zero; 0 when either rate is 0.
std::uint32_t ConvertedFrameCount(std::uint32_t sourceFrames, std::uint32_t sourceRate, std::uint32_t targetRate);

// Converts the first sourceFrames frames of source at sourceRate into the start
// of target at targetRate. Equal rates copy the bytes. Writes at most the
// target's length; frames past the converted part are left as they are.
void ConvertRate(const BAT& source, std::uint32_t sourceFrames, std::uint32_t sourceRate, BAT& target,
                 std::uint32_t targetRate);
