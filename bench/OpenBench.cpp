// Opening a five-minute 44.1 kHz 16-bit stereo AIFF loop the way the program
// does: read with channel reduction straight into the document's paged
// store, analyse, apply the sensitivity, build the waveform overview.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "formats/sound/AIFFFile.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/files/CFileSpec.h"
#include "slicing/CSliceList.h"
#include "slicing/CSlicingSettings.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::uint32_t kFrames = 5 * 60 * kRate;

// The demo pattern repeated for five minutes, written once per run.
class FiveMinuteLoop {
public:
    FiveMinuteLoop()
        : path_(std::filesystem::temp_directory_path() / ("quillet-open-bench-" + std::to_string(getpid()) + ".aif")) {
        const DrumLoop loop = CDrumLoopSynthesizer(kRate).RenderPattern(CDrumLoopSynthesizer::DemoPattern(), 120.0);
        const std::vector<std::int16_t> bars = loop.Interleaved();
        std::vector<std::int16_t> frames;
        frames.reserve(std::size_t{kFrames} * 2);
        while (frames.size() < std::size_t{kFrames} * 2) frames.insert(frames.end(), bars.begin(), bars.end());
        frames.resize(std::size_t{kFrames} * 2);
        WriteStereoAIFF(CFileSpec(path_.string()), kRate, frames);
    }
    ~FiveMinuteLoop() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

const FiveMinuteLoop& Loop() {
    static const FiveMinuteLoop loop;
    return loop;
}

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
