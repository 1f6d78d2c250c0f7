// Opening a five-minute 44.1 kHz 16-bit stereo AIFF loop the way the program
// does: read with channel reduction straight into the document's paged
// store, analyse, apply the sensitivity, build the waveform overview.
#include <benchmark/benchmark.h>

#include "bench/FiveMinuteLoop.h"
#include "formats/sound/SoundFileOpen.h"
#include "slicing/CSliceList.h"
#include "slicing/CSlicingSettings.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kFrames = FiveMinuteLoop::kFrames;

const FiveMinuteLoop& Loop() { return FiveMinuteLoop::Shared(); }

void PerFrame(benchmark::State& state) {
    state.counters["per_frame"] =
        benchmark::Counter(kFrames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadAndReduceChannels(benchmark::State& state) {
    const std::string path = Loop().Path();
    for (auto _ : state) benchmark::DoNotOptimize(OpenSoundFile(path, ChannelChoice::Mix));
    PerFrame(state);
}
BENCHMARK(BM_ReadAndReduceChannels)->Unit(benchmark::kMillisecond);

void BM_Analysis(benchmark::State& state) {
    const auto sound = OpenSoundFile(Loop().Path(), ChannelChoice::Mix);
    auto slices = std::make_unique<CSliceList>();
    for (auto _ : state) benchmark::DoNotOptimize(slices->Analyse(*sound));
    PerFrame(state);
}
BENCHMARK(BM_Analysis)->Unit(benchmark::kMillisecond);

void BM_Overview(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const auto sound = OpenSoundFile(Loop().Path(), ChannelChoice::Mix);
        state.ResumeTiming();
        benchmark::DoNotOptimize(&sound->Overview());
    }
    PerFrame(state);
}
BENCHMARK(BM_Overview)->Unit(benchmark::kMillisecond);

void BM_WholeOpen(benchmark::State& state) {
    const std::string path = Loop().Path();
    for (auto _ : state) {
        const auto sound = OpenSoundFile(path, ChannelChoice::Mix);
        auto slices = std::make_unique<CSliceList>();
        slices->Analyse(*sound);
        slices->ApplyThreshold(CSlicingSettings::ThresholdFor(500));
        benchmark::DoNotOptimize(&sound->Overview());
    }
    PerFrame(state);
}
BENCHMARK(BM_WholeOpen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
