// The MIDI input's work on the user-interface thread, and what virtual time
// costs a test: a sample dump must be taken out of the ring far faster than
// MIDI's 3125 bytes per second bring it in, and a 30-second time-out in
// virtual time must cost next to nothing.
#include <benchmark/benchmark.h>

#include <vector>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/midi/CSysexConnection.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/time/CClockScope.h"
#include "framework/time/CManualClock.h"

namespace {

struct OpenCable {
    OpenCable()
    {
        lists.AddLoopbackPair("Bench cable");
        input = lists.InputAt(0).Open(parser);
        output = lists.OutputAt(0).Open();
    }
    CManualClock clock;
    CClockScope scope{clock};
    CMIDIPortLists lists;
    CSysexMIDIInput parser;
    std::unique_ptr<CMIDIInput> input;
    std::unique_ptr<CMIDIOutput> output;
};

// Sample-dump-sized packets (127 bytes) through the ring and out again.
void RingPacketInAndOut(benchmark::State& state)
{
    OpenCable cable;
    std::vector<std::uint8_t> packet(127, 0x40);
    packet.front() = 0xF0;
    packet.back() = 0xF7;
    for (auto _ : state) {
        cable.parser.OnSysexNow(*cable.input, 0, packet.data(), packet.size());
        benchmark::DoNotOptimize(cable.parser.NextMessage());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(packet.size()));
}
BENCHMARK(RingPacketInAndOut);

// A 60 KB message arriving at 64 bytes per poll: the end is looked for only
// in what came since the last look.
void RingLongMessageInSmallPieces(benchmark::State& state)
{
    OpenCable cable;
    std::vector<std::uint8_t> piece(64, 0x11);
    const std::uint8_t start = 0xF0, end = 0xF7;
    for (auto _ : state) {
        cable.parser.OnSysexNow(*cable.input, 0, &start, 1);
        for (int i = 0; i < 960; ++i) {
            cable.parser.OnSysexNow(*cable.input, 0, piece.data(), piece.size());
            benchmark::DoNotOptimize(cable.parser.NextMessage());
        }
        cable.parser.OnSysexNow(*cable.input, 0, &end, 1);
        benchmark::DoNotOptimize(cable.parser.NextMessage());
    }
    state.SetBytesProcessed(state.iterations() * 960 * 64);
}
BENCHMARK(RingLongMessageInSmallPieces);

void ThirtySecondTimeOutInVirtualTime(benchmark::State& state)
{
    OpenCable cable;
    CSysexConnection connection(cable.parser, *cable.output);
    for (auto _ : state) {
        try {
            connection.Receive(30000);
        } catch (const XSysexTimedOut&) {
        }
    }
}
BENCHMARK(ThirtySecondTimeOutInVirtualTime)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
