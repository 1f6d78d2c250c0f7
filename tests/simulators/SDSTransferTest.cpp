// Sample Dump Standard transfers against the simulated SDS sampler over a
// loopback cable, in virtual time: a sliced loop sent slice by slice and
// received back sample for sample, and every injected fault ending in the
// transfer ladder's alert with the document left as it was.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/sds/CSDSTransfer.h"
#include "samplers/transfer/RunSamplerTransfer.h"
#include "simulators/CSimulatedSDSSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/RecordingProgress.h"

namespace {

constexpr std::uint8_t kChannel = 0;
constexpr std::uint32_t kFirstNumber = 10;

// Full-range samples, the extremes among them.
std::int16_t Wide(std::uint32_t i)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(i * 7919u + (i % 3 == 0 ? 0x8000u : 0x7FFFu)));
}

// A loop of 8000 frames sliced into 100, 2600 and 5300 frames: the last
// slice needs 133 packets, so its packet numbers wrap.
std::unique_ptr<CLoopDocument> WideLoop()
{
    auto loop = MakeLoop(8000, 44100, {0, 100, 2700});
    for (std::uint32_t i = 0; i < 8000; ++i)
        loop->Sound().Samples().WriteSample(i, Wide(i));
    return loop;
}

struct SDSRig {
    SDSRig() : transfer(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0)) { sampler.ConnectMIDI(cable); }

    void Transmit()
    {
        TransmitRequest request;
        request.sysexId = kChannel;
        request.firstSampleNumber = kFirstNumber;
        transfer.Transmit(slices, request, progress);
    }
    ReceivedSample Receive(std::uint32_t number)
    {
        return transfer.Receive({kChannel, number}, progress);
    }

    InstalledClock clock{1000};
    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable = lists.AddLoopbackPair("SDS cable");
    CSimulatedSDSSampler sampler{kChannel};
    CSDSTransfer transfer;
    CLengthyOperation progress{"Slices left:", "Stop"};
    std::unique_ptr<CLoopDocument> loop = WideLoop();
    CSliceRenderSet slices{loop->Sound(), loop->Slices(), loop->Settings()};
};

}  // namespace

TEST(SDSTransfer, SlicesGoOutOneSampleEachAndComeBackSampleForSample)
{
    SDSRig rig;
    const CSliceRenderSet& slices = rig.slices;
    ASSERT_EQ(slices.Count(), 3);
    rig.Transmit();

    const auto held = rig.sampler.Samples();
    ASSERT_EQ(held.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const std::vector<std::int16_t> slice = SamplesOf(*slices.Render(k));
        const auto number = static_cast<std::uint16_t>(kFirstNumber + k);
        const CSimulatedSDSSampler::Sample& sample = held.at(number);
        EXPECT_EQ(sample.header.bits, 16);
        EXPECT_EQ(sample.header.period, 22675u);
        EXPECT_EQ(rig.sampler.Samples16(number), slice);

        const ReceivedSample back = rig.Receive(number);
        EXPECT_EQ(back.samples, slice);
        EXPECT_EQ(back.format.rate, 44100u);
        EXPECT_EQ(back.format.length, slice.size());
        EXPECT_EQ(back.format.start, 0u);
    }
    EXPECT_EQ(rig.clock.Milliseconds() < 1000 + 2 * 60000, true);
}

TEST(SDSTransfer, InjectedFaultsEndInTheLaddersAlertAndLeaveTheDocumentAlone)
{
    const struct {
        const char* name;
        bool receive;
        SDSSamplerFaults faults;
        const char* alert;  // nullptr: the transfer succeeds
    } cases[] = {
        {"one NAK: the packet goes again", false, {.naks = 1}, nullptr},
        {"NAK twice", false, {.naks = 2}, "Sampler communication error!"},
        {"WAITs within 30 s", false, {.waits = 3}, nullptr},
        {"a WAIT holds the transfer past the reply time-out", false, {.waits = 1, .waitSpacing = 10000}, nullptr},
        {"a WAIT, then silence past 30 s", false, {.waits = 1, .waitSpacing = 40000}, "MIDI communication failed!"},
        {"WAITs past 30 s", false, {.waits = 40}, "MIDI communication failed!"},
        {"CANCEL at the header", false, {.cancelAtPacket = 0}, "Operation rejected by sampler!"},
        {"CANCEL at a packet", false, {.cancelAtPacket = 3}, "Operation rejected by sampler!"},
        {"wrong packet number", false, {.wrongPacketNumbers = 1}, "Sampler communication error!"},
        {"silence", false, {.silent = true}, "MIDI communication failed!"},
        {"one bad checksum: asked again", true, {.badChecksums = 1}, nullptr},
        {"bad checksum twice", true, {.badChecksums = 2}, "Sampler communication error!"},
        {"wrong packet number twice", true, {.wrongPacketNumbers = 2}, "Sampler communication error!"},
        {"CANCEL during the dump", true, {.cancelAtPacket = 2}, "Operation rejected by sampler!"},
        {"silence on receive", true, {.silent = true}, "MIDI communication failed!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SDSRig rig;
        AlertRecorder alerts;
        const std::vector<std::int16_t> before = SamplesOf(rig.loop->Sound());
        if (c.receive)
            rig.Transmit();
        rig.sampler.SetFaults(c.faults);
        std::optional<ReceivedSample> received;
        const TransferOutcome outcome = RunSamplerTransfer(nullptr, [&] {
            if (c.receive)
                received = rig.Receive(kFirstNumber + 1);
            else
                rig.Transmit();
        });
        EXPECT_EQ(outcome, c.alert ? TransferOutcome::kFailed : TransferOutcome::kDone);
        if (c.alert) {
            ASSERT_EQ(alerts.shown.size(), 1u);
            EXPECT_EQ(alerts.Title(0), c.alert);
        } else {
            EXPECT_TRUE(alerts.shown.empty());
            const std::vector<std::int16_t> slice = SamplesOf(*rig.slices.Render(1));
            EXPECT_EQ(c.receive ? received->samples : rig.sampler.Samples16(kFirstNumber + 1), slice);
        }
        EXPECT_EQ(SamplesOf(rig.loop->Sound()), before);
        EXPECT_EQ(rig.loop->Slices().Count(), 3);
    }
}

TEST(SDSTransfer, UnusableOrMissingSamplesAreRefused)
{
    const struct {
        std::uint32_t period;
        std::uint8_t bits;
        std::uint32_t asked;
        const char* alert;
    } cases[] = {
        {0, 16, 5, "MIDI communication failed!"},
        {22675, 30, 5, "MIDI communication failed!"},
        {22675, 16, 6, "Operation rejected by sampler!"},
    };
    for (const auto& c : cases) {
        SDSRig rig;
        AlertRecorder alerts;
        SDS::Header header;
        header.period = c.period;
        header.bits = c.bits;
        header.length = 3;
        rig.sampler.Store(5, {header, SDS::Bytes(9, 0x40)});
        EXPECT_EQ(RunSamplerTransfer(nullptr, [&] { rig.Receive(c.asked); }), TransferOutcome::kFailed);
        ASSERT_EQ(alerts.shown.size(), 1u);
        EXPECT_EQ(alerts.Title(0), c.alert);
    }
}

TEST(SDSTransfer, StopDuringTransmitCancelsInTheSampler)
{
    RecordingPresenter presenter;
    presenter.pressAtOnce = true;
    SDSRig rig;
    rig.progress.ShowNow();
    EXPECT_THROW(rig.Transmit(), XSampleTransmitCancelled);
    rig.clock.Advance(100);
    const auto received = rig.sampler.Trace().Bytes(CInstrumentTrace::Kind::kReceivedSysex);
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), SDS::HandshakeMessage(kChannel, SDS::kCancel, 0));
    EXPECT_TRUE(rig.sampler.Samples().empty());
}
