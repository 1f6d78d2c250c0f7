#include "sound/ZeroCrossing.h"

#include <algorithm>

#include "sound/WAVE_SAMPLE.h"

namespace {

bool MeetZero(std::int16_t a, std::int16_t b)
{
    return (a >= 0 && b <= 0) || (a <= 0 && b >= 0);
}

} // namespace

std::uint32_t FindZeroCrossing(const WAVE_SAMPLE& sound, std::int64_t position, std::int32_t radius)
{
    const std::int64_t frames = sound.Frames();
    if (frames == 0)
        return 0;
    const std::int64_t p = std::clamp<std::int64_t>(position, 0, frames - 1);
    if (sound.Sample(static_cast<std::uint32_t>(p)) == 0)
        return static_cast<std::uint32_t>(p);
    const std::int64_t high = std::min(p + radius, frames);
    const std::int64_t low = std::max<std::int64_t>(p - radius, 0);
    auto at = [&sound](std::int64_t i) { return sound.Sample(static_cast<std::uint32_t>(i)); };
    // The limits are tested before each pair, so both pairs lie inside [0, frames).
    for (std::int64_t k = 1; p + k < high && p - k >= low; ++k) {
        if (MeetZero(at(p - k + 1), at(p - k)))
            return static_cast<std::uint32_t>(p - k);
        if (MeetZero(at(p + k - 1), at(p + k)))
            return static_cast<std::uint32_t>(p + k);
    }
    return static_cast<std::uint32_t>(p);
}
