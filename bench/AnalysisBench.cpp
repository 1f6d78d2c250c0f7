// The attack analysis over a five-minute 44.1 kHz mono loop of clicks in noise.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "slicing/CSliceList.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/CSlicingSettings.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::uint32_t kFrames = 5 * 60 * kRate;
constexpr std::uint32_t kClickSpacing = kRate / 2;

// Low noise with a decaying burst every half second.
const WAVE_SAMPLE& ClickLoop()
{
    static const std::unique_ptr<WAVE_SAMPLE> sound = [] {
        auto s = std::make_unique<WAVE_SAMPLE>("Clicks", kRate, kFrames);
        std::uint32_t seed = 12345;
        for (std::uint32_t i = 0; i < kFrames; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const auto noise = static_cast<std::int32_t>(seed >> 24) - 128;
            const std::uint32_t sinceClick = i % kClickSpacing;
            const std::int32_t burst = sinceClick < 2000 ? (20000 * (2000 - static_cast<std::int32_t>(sinceClick)) / 2000) *
                                                               ((sinceClick / 20) % 2 ? 1 : -1)
                                                         : 0;
            s->Samples().WriteSample(i, static_cast<std::int16_t>(burst + noise));
        }
        return s;
    }();
    return *sound;
}

void BM_Analyse(benchmark::State& state)
{
    const WAVE_SAMPLE& sound = ClickLoop();
    CSliceList list;
    for (auto _ : state) {
        list.Analyse(sound);
        benchmark::DoNotOptimize(list.Count());
    }
    state.counters["points"] = list.Count();
    state.counters["ns_per_frame"] = benchmark::Counter(static_cast<double>(kFrames) * state.iterations(),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Analyse)->Unit(benchmark::kMillisecond);

void BM_ApplySensitivity(benchmark::State& state)
{
    CSliceList list;
    list.Analyse(ClickLoop());
    std::int16_t sensitivity = 0;
    for (auto _ : state) {
        list.ApplyThreshold(CSlicingSettings::ThresholdFor(sensitivity));
        sensitivity = static_cast<std::int16_t>((sensitivity + 10) % 1000);
        list.ClearDirty();
    }
}
BENCHMARK(BM_ApplySensitivity);

// Every slice of the loop stretched by half and converted to 48 kHz, one by one.
void BM_RenderSlices(benchmark::State& state)
{
    const WAVE_SAMPLE& sound = ClickLoop();
    CSliceList list;
    list.Analyse(sound);
    CSlicingSettings settings;
    settings.sensitivity = 990;
    settings.stretch = 8;
    list.ApplyThreshold(settings.Threshold());
    CSliceRenderSet set(sound, list, settings);
    set.SetTargetRate(48000);
    for (auto _ : state) {
        for (int k = 0; k < set.Count(); ++k)
            benchmark::DoNotOptimize(set.Render(k)->Frames());
    }
    state.counters["outputs"] = set.Count();
    state.counters["ns_per_frame"] = benchmark::Counter(static_cast<double>(kFrames) * state.iterations(),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RenderSlices)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
