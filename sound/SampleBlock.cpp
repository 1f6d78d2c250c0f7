#include "sound/SampleBlock.h"

#include <algorithm>
#include <cstdlib>

#include "sound/BAT.h"
#include "sound/WAVE_SAMPLE.h"

void SwapSampleBytes(std::int16_t* samples, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        samples[i] = SwappedBytes(samples[i]);
}

void ScaleSamples(std::int16_t* samples, std::size_t n, std::int32_t gain)
{
    if (gain == kUnityGain)
        return;
    for (std::size_t i = 0; i < n; ++i) {
        // 64-bit product: a gain above unity must saturate, not wrap.
        const std::int64_t scaled = (std::int64_t{samples[i]} * gain) >> 15;
        samples[i] = static_cast<std::int16_t>(std::clamp<std::int64_t>(scaled, -32768, 32767));
    }
}

void ScaleSamples(BAT& store, std::int32_t gain)
{
    if (gain == kUnityGain)
        return;
    store.Walk(0, store.Size() & ~1u, [gain](std::uint8_t* block, std::uint32_t piece, std::uint32_t) {
        ScaleSamples(reinterpret_cast<std::int16_t*>(block), piece / 2, gain);
        return true;
    });
}

std::int32_t PeakLevel(const BAT& store)
{
    std::int32_t peak = 0;
    store.Walk(0, store.Size() & ~1u, [&peak](const std::uint8_t* block, std::uint32_t piece, std::uint32_t) {
        const auto* samples = reinterpret_cast<const std::int16_t*>(block);
        for (std::uint32_t i = 0; i < piece / 2; ++i)
            peak = std::max(peak, std::abs(std::int32_t{samples[i]}));
        return true;
    });
    return peak;
}

void Normalize(WAVE_SAMPLE& sound)
{
    // 32767 * 32768: the gain that lifts the peak P to 32767 is this / P.
    constexpr std::int32_t kFullScaleGain = 1073709056;
    const std::int32_t peak = PeakLevel(sound.Samples());
    if (peak == 0)
        return;
    ScaleSamples(sound.Samples(), kFullScaleGain / peak);
}
