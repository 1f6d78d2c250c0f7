// The wave player's render cost: 1024 frames last 23.2 ms at 44100 Hz; the
// "percent_of_realtime" counter is the share of that time spent rendering.
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>
#include <vector>

#include "devices/sound/CRegisteredFileSoundCard.h"
#include "document/playback/CWavePlayer.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kFrames = 1024;
constexpr double kOutputRate = 44100;

void Nothing(std::int16_t*, std::uint32_t, void*) {}

void RenderLoop(benchmark::State& state, std::uint32_t sampleRate)
{
    CRegisteredFileSoundCard card("", true);
    CWavePlayer player;
    auto channel = card.OpenChannel(44100, &CWavePlayer::RenderCallback, Nothing, &player, 2);
    player.SetChannel(channel.get());
    WAVE_SAMPLE sound("bench", sampleRate, 5 * 44100);
    for (std::uint32_t i = 0; i < sound.Frames(); ++i)
        sound.Samples().WriteSample(i, static_cast<std::int16_t>((i * 7919) % 65536 - 32768));
    sound.SetLoop(1000, 4 * 44100, true);

    std::vector<std::int16_t> buffer(2 * kFrames);
    std::atomic<bool> started{false};
    std::thread feeder([&] {
        while (!started)
            player.RenderFrames(buffer.data(), kFrames);
    });
    player.PlayLoop(sound, 0, nullptr);
    started = true;
    feeder.join();

    for (auto _ : state) {
        player.RenderFrames(buffer.data(), kFrames);
        benchmark::DoNotOptimize(buffer.data());
    }
    // Audio seconds rendered per second, inverted and scaled to percent.
    state.counters["percent_of_realtime"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kFrames / kOutputRate / 100,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    player.SetChannel(nullptr);
}

void BM_RenderLoopSameRate(benchmark::State& state)
{
    RenderLoop(state, 44100);
}

void BM_RenderLoopHalfRate(benchmark::State& state)
{
    RenderLoop(state, 22050);
}

void BM_RenderLoop48000(benchmark::State& state)
{
    RenderLoop(state, 48000);
}

}  // namespace

BENCHMARK(BM_RenderLoopSameRate);
BENCHMARK(BM_RenderLoopHalfRate);
BENCHMARK(BM_RenderLoop48000);
