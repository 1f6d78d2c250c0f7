// Samples to and from the simulated E-mu sampler over SMDI: a loop's slices
// sent and received back sample for sample, the packet lengths agreed, and
// every fault the sampler or the bus injects ending in its exception and the
// transfer ladder's alert.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "framework/exceptions/TransferFailureAlert.h"
#include "samplers/emu/CEMUSCSIInterface.h"
#include "samplers/smdi/CSMDIReceiver.h"
#include "samplers/smdi/CSMDITransmitter.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SMDISamplerRig.h"

namespace {

using Fault = CSimulatedEMUSampler::Fault;
using Frames = std::vector<std::int16_t>;

Frames Ramp(std::size_t count, std::int16_t step = 37)
{
    Frames frames(count);
    for (std::size_t i = 0; i < count; ++i)
        frames[i] = static_cast<std::int16_t>((static_cast<int>(i) * step) % 65536 - 32768);
    return frames;
}

// Sends `frames` as sample `number`, as the transmit loop drives a transmitter.
void Send(CSMDISamplerInterface& emu, std::uint32_t number, const Frames& frames, SampleFormat format = {})
{
    format.length = format.end = static_cast<std::uint32_t>(frames.size() / format.channels);
    emu.AdjustFormat(format);
    const std::unique_ptr<CSMDITransmitter> transmitter = emu.MakeTransmitter(number);
    transmitter->Begin(format);
    Frames chunk;
    while (transmitter->IsActive()) {
        const std::size_t at = std::size_t{transmitter->FramesSent()} * format.channels;
        chunk.assign(std::size_t{transmitter->NextChunkSize()} * format.channels, 0);
        std::copy_n(frames.begin() + static_cast<std::ptrdiff_t>(std::min(at, frames.size())),
                    std::min(chunk.size(), frames.size() - std::min(at, frames.size())), chunk.begin());
        transmitter->SendChunk(chunk.data(), transmitter->NextChunkSize());
    }
}

Frames Receive(CSMDISamplerInterface& emu, std::uint32_t number, std::uint32_t framesPerPacket,
               SampleFormat* received = nullptr)
{
    const std::unique_ptr<CSMDIReceiver> receiver = emu.MakeReceiver(number, framesPerPacket);
    SampleFormat format;
    FrameWidth width = FrameWidth::k32;
    receiver->Begin(format, width);
    EXPECT_EQ(width, FrameWidth::k16);
    Frames frames;
    while (receiver->IsActive()) {
        Frames chunk(std::size_t{receiver->NextChunkSize()} * format.channels);
        receiver->ReceiveChunk(chunk.data(), receiver->NextChunkSize());
        frames.insert(frames.end(), chunk.begin(), chunk.end());
    }
    if (received)
        *received = format;
    return frames;
}

template <class Exception>
bool Holds(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Exception&) {
        return true;
    } catch (...) {
        return false;
    }
}

struct FaultCase {
    const char* name;
    std::function<void(SMDISamplerRig&)> inject;
    bool (*holds)(const std::exception_ptr&);
    ResourceId alert;
};

constexpr ResourceId kRejected = Res::kAlertOperationRejected;
constexpr ResourceId kSCSI = Res::kAlertSCSICommunication;

std::function<void(SMDISamplerRig&)> Injecting(Fault fault)
{
    return [fault](SMDISamplerRig& rig) { rig.sampler.InjectFault(fault); };
}

std::function<void(SMDISamplerRig&)> Offering(std::uint32_t bytes)
{
    return [bytes](SMDISamplerRig& rig) { rig.sampler.OfferPacketLength(bytes); };
}

void ExpectFailure(const FaultCase& c, const std::function<void(SMDISamplerRig&, CEMUSCSIInterface&)>& transfer)
{
    SCOPED_TRACE(c.name);
    SMDISamplerRig rig;
    rig.sampler.Store(1, CSimulatedEMUSampler::Sample::Of16Bit("Kept", 44100, Ramp(3000)));
    rig.sampler.SetPacketLength(1000);
    CEMUSCSIInterface emu(rig.Device());
    c.inject(rig);
    const std::exception_ptr failure = FailureOf([&] { transfer(rig, emu); });
    ASSERT_TRUE(failure);
    EXPECT_TRUE(c.holds(failure));
    EXPECT_EQ(TransferFailureAlert(failure), c.alert);
}

}  // namespace

TEST(SMDITransfer, LoopSlicesGoOutAndComeBackSampleForSample)
{
    SMDISamplerRig rig;
    rig.sampler.SetPacketLength(1000);
    const std::unique_ptr<CLoopDocument> loop = MakeLoop(20000, 44100, {5000, 11000, 16001});
    const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());
    ASSERT_EQ(slices.Count(), 4);
    CEMUSCSIInterface emu(rig.Device());
    std::vector<Frames> sent;
    for (int k = 0; k < slices.Count(); ++k) {
        Frames frames = SamplesOf(*slices.Render(k));
        SampleFormat format;
        format.name = "Loop " + std::to_string(k + 1) + "   ";
        Send(emu, 10 + static_cast<std::uint32_t>(k), frames, format);
        sent.push_back(std::move(frames));
    }
    EXPECT_EQ(rig.sampler.SampleCount(), 4u);
    for (int k = 0; k < slices.Count(); ++k) {
        const auto number = 10 + static_cast<std::uint32_t>(k);
        EXPECT_EQ(rig.sampler.Frames(number), sent[k]) << k;
        SampleFormat format;
        EXPECT_EQ(Receive(emu, number, 300, &format), sent[k]) << k;
        EXPECT_EQ(format.name, "Loop " + std::to_string(k + 1));
        EXPECT_EQ(format.rate, 44100u);
        EXPECT_EQ(format.start, 0u);
        EXPECT_EQ(format.end, sent[k].size());
    }
    EXPECT_EQ(rig.sampler.AgreedPacketLength(), 600u);  // 300 frames proposed, under the sampler's 1000 bytes
}

TEST(SMDITransfer, PacketLengthsInWholeFrames)
{
    const struct {
        std::uint32_t offered;
        std::uint32_t confirmed;
    } cases[] = {{1000, 1000}, {1001, 1000}, {4, 4}, {1 << 20, 65536 * 4}};
    for (const auto& c : cases) {
        SMDISamplerRig rig;
        rig.sampler.OfferPacketLength(c.offered);
        CEMUSCSIInterface emu(rig.Device());
        SampleFormat stereo;
        stereo.channels = 2;
        const Frames frames = Ramp(2 * 700);
        Send(emu, 3, frames, stereo);
        EXPECT_EQ(rig.sampler.AgreedPacketLength(), c.confirmed) << c.offered;
        EXPECT_EQ(rig.sampler.Frames(3), frames) << c.offered;
    }
}

TEST(SMDITransfer, ShortSamplesAreLengthenedAndEmptyOnesEndAtOnce)
{
    SMDISamplerRig rig;
    CEMUSCSIInterface emu(rig.Device());
    Send(emu, 1, Ramp(5));
    Frames lengthened = Ramp(5);
    lengthened.resize(10, 0);
    EXPECT_EQ(rig.sampler.Frames(1), lengthened);

    CSMDISamplerInterface plain(rig.Device());
    Send(plain, 2, {});
    ASSERT_TRUE(rig.sampler.Find(2));
    EXPECT_TRUE(Receive(emu, 2, 64).empty());
}

TEST(SMDITransfer, HeadersCancelsAndDeletes)
{
    SMDISamplerRig rig;
    rig.sampler.Store(4, CSimulatedEMUSampler::Sample::Of16Bit("Hat", 32000, Ramp(4000), 2));
    CEMUSCSIInterface emu(rig.Device());
    const SampleFormat format = emu.GetSampleHeader(4);
    EXPECT_EQ(format.name, "Hat");
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.rate, 32000u);
    EXPECT_EQ(format.length, 2000u);

    // A transmission stopped after its first packet leaves nothing behind.
    rig.sampler.SetPacketLength(400);
    SampleFormat mono;
    mono.length = 1000;
    emu.AdjustFormat(mono);
    const std::unique_ptr<CSMDITransmitter> transmitter = emu.MakeTransmitter(5);
    transmitter->Begin(mono);
    const Frames chunk = Ramp(200);
    transmitter->SendChunk(chunk.data(), transmitter->NextChunkSize());
    transmitter->Cancel();
    EXPECT_FALSE(transmitter->IsActive());
    EXPECT_FALSE(rig.sampler.Find(5));

    const std::unique_ptr<CSMDIReceiver> receiver = emu.MakeReceiver(4, 64);
    FrameWidth width;
    SampleFormat received;
    receiver->Begin(received, width);
    receiver->Cancel();
    EXPECT_EQ(emu.GetSampleHeader(4).name, "Hat");  // the link is ready for the next procedure

    emu.DeleteSample(4);
    EXPECT_FALSE(rig.sampler.Find(4));
    EXPECT_THROW(emu.DeleteSample(4), XSMDIEOPRejected);
}

TEST(SMDITransfer, TransmitFaultsEndInTheirAlerts)
{
    const SimulatedSCSIFault aborted{SimulatedSCSIFault::Kind::kCheckCondition, 0x0B};
    const FaultCase cases[] = {
        {"transfer refused", Injecting(Fault::kRejectTransfer), Holds<XSMDITransferRejected>, kRejected},
        {"packet refused", Injecting(Fault::kRejectPacket), Holds<XSMDIPacketRejected>, kRejected},
        {"sampler aborts", Injecting(Fault::kAbort), Holds<XSMDIAborted>, kRejected},
        {"end refused", Injecting(Fault::kRejectEnd), Holds<XSMDIEOPRejected>, kRejected},
        {"wrong packet", Injecting(Fault::kWrongPacketNumber), Holds<XSMDIUnexpectedPacketIndex>, kSCSI},
        {"not SMDI", Injecting(Fault::kInvalidMessage), Holds<XSMDIMessageInvalid>, kSCSI},
        {"no packet length", Offering(0), Holds<XSMDIUnsupportedPacketLength>, kSCSI},
        {"under one frame", Offering(1), Holds<XSMDIUnsupportedPacketLength>, kSCSI},
        {"busy for ever", [](SMDISamplerRig& rig) { rig.sampler.AnswerWait(1000); }, Holds<XSMDIWaitTimedOut>, kSCSI},
        {"sense key 0B", [&](SMDISamplerRig& rig) { rig.bus.InjectFault(SMDISamplerRig::kId, aborted); },
         Holds<XSMDISCSIErrorSenseKeyAborted>, kSCSI},
    };
    for (const FaultCase& c : cases)
        ExpectFailure(c, [](SMDISamplerRig& rig, CEMUSCSIInterface& emu) {
            try {
                Send(emu, 7, Ramp(2500));
            } catch (...) {
                EXPECT_FALSE(rig.sampler.Find(7));
                throw;
            }
        });
}

TEST(SMDITransfer, ReceiveFaultsEndInTheirAlerts)
{
    const FaultCase cases[] = {
        {"header refused", Injecting(Fault::kRejectHeaderRequest), Holds<XSMDIHeaderRejected>, kRejected},
        {"packet refused", Injecting(Fault::kRejectPacket), Holds<XSMDIPacketRejected>, kRejected},
        {"sampler aborts", Injecting(Fault::kAbort), Holds<XSMDIUnexpectedMessage>, kSCSI},
        {"short packet", Injecting(Fault::kWrongPacketSize), Holds<XSMDIInvalidPacketLength>, kSCSI},
        {"wrong packet", Injecting(Fault::kWrongPacketNumber), Holds<XSMDIUnexpectedPacketIndex>, kSCSI},
        {"more than proposed", Offering(202), Holds<XSMDIUnsupportedPacketLength>, kSCSI},
        {"part of a frame", Offering(3), Holds<XSMDIUnsupportedPacketLength>, kSCSI},
        {"no packet length", Offering(0), Holds<XSMDIUnsupportedPacketLength>, kSCSI},
        {"period 0", [](SMDISamplerRig& rig) {
             auto sample = CSimulatedEMUSampler::Sample::Of16Bit("Bad", 44100, Ramp(10));
             sample.header.period = 0;
             rig.sampler.Store(1, sample);
         },
         Holds<XSMDIUnexpectedMessage>, kSCSI},
    };
    for (const FaultCase& c : cases)
        ExpectFailure(c, [](SMDISamplerRig&, CEMUSCSIInterface& emu) { Receive(emu, 1, 100); });
    ExpectFailure({"no such sample", [](SMDISamplerRig&) {}, Holds<XSMDIHeaderRejected>, kRejected},
                  [](SMDISamplerRig&, CEMUSCSIInterface& emu) { Receive(emu, 2, 100); });
}
