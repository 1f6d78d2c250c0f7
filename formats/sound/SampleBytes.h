#pragma once
// Streams 16-bit samples in a chosen byte order through a fixed-size block,
// so that the samples in memory are never swapped in place.
#include <cstdint>
#include <functional>

// Calls write(count, bytes) for consecutive pieces of the samples encoded
// big-endian (or little-endian), each piece at most 16384 bytes.
void WriteSamplesInOrder(const std::int16_t* samples, std::int64_t count, bool bigEndian,
                         const std::function<void(std::int64_t, const void*)>& write);
