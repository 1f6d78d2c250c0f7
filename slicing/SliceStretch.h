#pragma once
// Lengthening a slice: the slice is kept up to just before its last loud
// point A, and the rest is a tail read back and forth between A and an
// earlier loud point B, fading out and matched in level.
#include <cstdint>

class BAT;

// max(length, length * factor / 1000) in 64 bits.
std::int64_t StretchedLength(std::int64_t length, std::int32_t factorPerMille);

// Writes length frames of source from start, lengthened to targetLength
// (at least length), to the start of target. Equal lengths copy; an empty
// segment or target writes nothing.
void StretchSegment(const BAT& source, std::uint32_t start, std::uint32_t length, BAT& target,
                    std::uint32_t targetLength);
