// A sliced loop sent by the Sample Dump Standard to the simulated SDS
// sampler in virtual time: 16 slices of 0.25 s at 44.1 kHz, the sampler
// answering each packet after 2 ms. Reported: the transfer's elapsed time
// against the wire bound (the bytes sent at MIDI's 3125 bytes per second),
// and the host CPU the whole transfer costs. Goal: at least 88 % of the wire
// bound, under 0.5 s of CPU.
#include <benchmark/benchmark.h>

#include <ctime>

#include "devices/midi/CMIDIPortLists.h"
#include "document/export/CLoopDocument.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/time/CClockScope.h"
#include "framework/time/CManualClock.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/sds/CSDSTransfer.h"
#include "simulators/CSimulatedSDSSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kSlices = 16;
constexpr std::uint32_t kSliceFrames = 11025;  // 0.25 s at 44.1 kHz
constexpr std::int64_t kTurnaround = 2;

std::unique_ptr<CLoopDocument> SixteenSlices()
{
    auto sound = std::make_unique<WAVE_SAMPLE>("Bench", 44100, kSlices * kSliceFrames);
    for (std::uint32_t i = 0; i < sound->Frames(); ++i)
        sound->Samples().WriteSample(i, static_cast<std::int16_t>(i * 7919u));
    CSlicingSettings settings;
    auto loop = std::make_unique<CLoopDocument>(std::move(sound), settings);
    for (std::uint32_t k = 0; k < kSlices; ++k) {
        CSlice* slice = loop->Slices().Insert(k * kSliceFrames);
        slice->state = CSlice::kLocked;
        slice->level = 16384;
    }
    loop->ApplySensitivity();
    return loop;
}

std::uint64_t BytesSent(const CSimulatedInstrument& sampler)
{
    std::uint64_t bytes = 0;
    for (const auto& message : sampler.Trace().Bytes(CInstrumentTrace::Kind::kReceivedSysex))
        bytes += message.size();
    return bytes;
}

void SDSTransmitSixteenSlices(benchmark::State& state)
{
    const auto loop = SixteenSlices();
    double elapsed = 0;
    double bound = 0;
    double cpu = 0;
    for (auto _ : state) {
        CManualClock clock;
        CClockScope scope{clock};
        CMIDIPortLists lists;
        const auto cable = lists.AddLoopbackPair("Bench cable");
        CSimulatedSDSSampler sampler(0, kTurnaround);
        sampler.ConnectMIDI(cable);
        CSDSTransfer transfer(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0));
        const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());
        CLengthyOperation progress("Slices left:", "Stop");

        const std::clock_t cpuStart = std::clock();
        const std::int64_t start = clock.Milliseconds();
        transfer.Transmit(slices, TransmitRequest{}, progress);
        elapsed = double(clock.Milliseconds() - start) / 1000.0;
        cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        bound = double(BytesSent(sampler)) / 3125.0;
        if (sampler.Samples().size() != kSlices)
            state.SkipWithError("the sampler did not get every slice");
    }
    state.counters["elapsed_s"] = elapsed;
    state.counters["wire_bound_s"] = bound;
    state.counters["of_wire_bound_%"] = 100.0 * bound / elapsed;
    state.counters["host_cpu_s"] = cpu;
}
BENCHMARK(SDSTransmitSixteenSlices)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
