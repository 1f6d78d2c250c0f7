// The host's work per megabyte of sample data moved by SMDI to and from the
// simulated E-mu sampler on the simulated SCSI bus, in virtual time: message
// building and parsing, word encoding and decoding, and the bus's copies.
// The argument is the sampler's packet length in bytes.
#include <benchmark/benchmark.h>

#include <vector>

#include "devices/scsi/CSimulatedSCSIBus.h"
#include "framework/time/CClockScope.h"
#include "framework/time/CManualClock.h"
#include "samplers/emu/CEMUSCSIInterface.h"
#include "samplers/smdi/CSMDIReceiver.h"
#include "samplers/smdi/CSMDITransmitter.h"
#include "simulators/CSimulatedEMUSampler.h"

namespace {

constexpr std::uint8_t kId = 5;
constexpr std::uint32_t kFrames = 512 * 1024;  // one megabyte of 16-bit mono
constexpr std::uint32_t kSampleNumber = 1;

struct SimulatedEMU {
    explicit SimulatedEMU(std::uint32_t packetLength)
    {
        sampler.ConnectSCSI(bus, kId);
        sampler.SetPacketLength(packetLength);
    }
    CManualClock clock;
    CClockScope scope{clock};
    CSimulatedSCSIBus bus{"Bench bus"};
    CSimulatedEMUSampler sampler{5131, CVersion(4, 10)};
    CEMUSCSIInterface emu{CSMDI::DeviceAt(&bus, kId)};
};

std::vector<std::int16_t> Sound()
{
    std::vector<std::int16_t> frames(kFrames);
    for (std::uint32_t i = 0; i < kFrames; ++i)
        frames[i] = static_cast<std::int16_t>(i * 7919);
    return frames;
}

void SMDITransmitMegabyte(benchmark::State& state)
{
    SimulatedEMU rig(static_cast<std::uint32_t>(state.range(0)));
    const std::vector<std::int16_t> frames = Sound();
    SampleFormat format;
    format.length = format.end = kFrames;
    rig.emu.AdjustFormat(format);
    for (auto _ : state) {
        const std::unique_ptr<CSMDITransmitter> transmitter = rig.emu.MakeTransmitter(kSampleNumber);
        transmitter->Begin(format);
        while (transmitter->IsActive())
            transmitter->SendChunk(frames.data() + transmitter->FramesSent(), transmitter->NextChunkSize());
    }
    state.SetBytesProcessed(state.iterations() * kFrames * 2);
}

void SMDIReceiveMegabyte(benchmark::State& state)
{
    SimulatedEMU rig(static_cast<std::uint32_t>(state.range(0)));
    rig.sampler.Store(kSampleNumber, CSimulatedEMUSampler::Sample::Of16Bit("Bench", 44100, Sound()));
    std::vector<std::int16_t> frames(kFrames);
    for (auto _ : state) {
        const std::unique_ptr<CSMDIReceiver> receiver =
            rig.emu.MakeReceiver(kSampleNumber, CSMDIReceiver::kMaxPacketFrames);
        SampleFormat format;
        FrameWidth width;
        receiver->Begin(format, width);
        while (receiver->IsActive())
            receiver->ReceiveChunk(frames.data() + receiver->FramesReceived(), receiver->NextChunkSize());
        benchmark::DoNotOptimize(frames.data());
    }
    state.SetBytesProcessed(state.iterations() * kFrames * 2);
}

}  // namespace

BENCHMARK(SMDITransmitMegabyte)->Arg(1024)->Arg(8192)->Arg(65536)->Unit(benchmark::kMillisecond);
BENCHMARK(SMDIReceiveMegabyte)->Arg(1024)->Arg(8192)->Arg(65536)->Unit(benchmark::kMillisecond);
