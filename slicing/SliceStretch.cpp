#include "slicing/SliceStretch.h"

#include <algorithm>
#include <cstdlib>

#include "sound/BAT.h"

namespace {

constexpr std::int64_t kFullGain = 2147483647;
constexpr std::uint32_t kShortSegment = 2001;
constexpr std::uint32_t kLongScan = 300;
constexpr std::uint32_t kLongScanBack = 400;

struct LoudPoint {
    std::int64_t position;
    std::int32_t peak;
};

// Scans count frames backwards from offset for the loudest one (the later
// one on ties); the point is one frame before it. With count 0 the point is
// offset itself and its peak -1.
LoudPoint ScanBack(const BAT& source, std::uint32_t start, std::int64_t offset, std::int64_t count)
{
    LoudPoint point{offset, -1};
    for (std::int64_t q = offset; q > offset - count; --q) {
        const std::int32_t value = std::abs(std::int32_t{source.ReadSample(static_cast<std::uint32_t>(start + q))});
        if (value > point.peak)
            point = {q - 1, value};
    }
    return point;
}

} // namespace

std::int64_t StretchedLength(std::int64_t length, std::int32_t factorPerMille)
{
    return std::max(length, length * factorPerMille / 1000);
}

void StretchSegment(const BAT& source, std::uint32_t start, std::uint32_t length, BAT& target,
                    std::uint32_t targetLength)
{
    if (targetLength <= length) {
        BAT::CopyBytes(source, start * 2, target, 0, std::min(length, targetLength) * 2);
        return;
    }
    if (length == 0)
        return;
    const bool isShort = length < kShortSegment;
    const std::int64_t count = isShort ? length / 8 : kLongScan;
    const LoudPoint a = ScanBack(source, start, isShort ? length - 1 : length - kLongScanBack, count);
    const LoudPoint b = ScanBack(source, start, length / 2, count);
    std::int64_t pointA = a.position;
    std::int64_t pointB = b.position;
    if (pointA <= pointB) {
        // Segments of one or two frames: the tail runs over the whole segment.
        pointA = length;
        pointB = 0;
    }

    BAT::CopyBytes(source, start * 2, target, 0, static_cast<std::uint32_t>(pointA) * 2);
    const std::int64_t remaining = targetLength - pointA;
    const std::int64_t fadeStep = kFullGain / remaining;
    const bool matchLevels = b.peak > a.peak;
    const std::int64_t levelAtB = matchLevels ? std::int64_t{a.peak} * 65536 / b.peak * 32768 : kFullGain;
    const std::int64_t levelStep = (kFullGain - levelAtB) / (pointA - pointB);

    std::int64_t fade = kFullGain;
    std::int64_t position = pointA - 1;
    int direction = -1;
    for (std::int64_t k = 0; k < remaining; ++k) {
        const std::int32_t x = source.ReadSample(static_cast<std::uint32_t>(start + position));
        const std::int64_t level = kFullGain - (pointA - position) * levelStep;
        const auto faded = static_cast<std::int16_t>(((fade >> 16) * x) >> 15);
        const auto value = static_cast<std::int16_t>((faded * (level >> 16)) >> 15);
        target.WriteSample(static_cast<std::uint32_t>(pointA + k), value);
        fade -= fadeStep;
        // Back and forth between A - 1 and B, each end written twice.
        if (direction < 0) {
            if (position == pointB)
                direction = 1;
            else
                --position;
        } else {
            if (position == pointA - 1)
                direction = -1;
            else
                ++position;
        }
    }
}
