#include "sound/RateConversion.h"

#include <algorithm>

#include "sound/BAT.h"
#include "sound/InterpolationTable.h"

std::uint32_t ConvertedFrameCount(std::uint32_t sourceFrames, std::uint32_t sourceRate, std::uint32_t targetRate)
{
    if (sourceRate == 0 || targetRate == 0)
        return 0;
    if (sourceRate == targetRate)
        return sourceFrames;
    const double frames = static_cast<double>(sourceFrames) * targetRate / sourceRate;
    return frames >= 4294967295.0 ? 4294967295u : static_cast<std::uint32_t>(frames);
}

void ConvertRate(const BAT& source, std::uint32_t sourceFrames, std::uint32_t sourceRate, BAT& target,
                 std::uint32_t targetRate)
{
    sourceFrames = std::min(sourceFrames, source.Frames());
    const std::uint32_t outputFrames =
        std::min(ConvertedFrameCount(sourceFrames, sourceRate, targetRate), target.Frames());
    if (outputFrames == 0)
        return;
    if (sourceRate == targetRate) {
        BAT::CopyBytes(source, 0, target, 0, outputFrames * 2);
        return;
    }
    // The step per output frame: a whole part and a 15-bit fraction.
    const std::int64_t whole = sourceRate / targetRate;
    const std::int64_t fraction = std::int64_t{sourceRate} * 32768 / targetRate - whole * 32768;
    const std::int64_t frames = sourceFrames;
    auto sampleAt = [&](std::int64_t n) -> std::int32_t {
        return (n >= 0 && n < frames) ? source.ReadSample(static_cast<std::uint32_t>(n)) : 0;
    };

    std::int64_t n = -3;
    std::int64_t phase = 0;
    std::int16_t block[BAT::kFramesPerPage];
    for (std::uint32_t done = 0; done < outputFrames;) {
        const std::uint32_t count = std::min(BAT::kFramesPerPage, outputFrames - done);
        for (std::uint32_t k = 0; k < count; ++k) {
            const auto& row = kInterpolationTable[phase >> 6];
            std::int64_t sum = 0;
            for (int j = 0; j < 8; ++j)
                sum += row[j] * sampleAt(n + j);
            block[k] = static_cast<std::int16_t>(std::clamp<std::int64_t>(sum >> 15, -32768, 32767));
            phase += fraction;
            if (phase >= 32768) {
                phase -= 32768;
                ++n;
            }
            n += whole;
        }
        target.WriteBytes(done * 2, count * 2, block);
        done += count;
    }
}
