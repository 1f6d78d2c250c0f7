// Ensoniq transfers against the simulated EPS, EPS-16+ and ASR-10 over a
// loopback cable, in virtual time: a sliced loop becomes an instrument whose
// first layer plays one wave sample per slice, every wave sample comes back
// frame for frame, and every injected fault ends in its alert.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/ensoniq/CEnsoniqTransfer.h"
#include "samplers/transfer/RunSamplerTransfer.h"
#include "simulators/CSimulatedEnsoniqSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/CSlicingSettings.h"
#include "slicing/Tempo.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/RecordingProgress.h"

namespace {

constexpr std::uint8_t kChannel = 2;
constexpr std::uint32_t kASR10 = 3020;

// 9000 frames sliced into 150, 1850 and 7000 frames: the first is too short
// for the sampler, the last goes in two pieces.
std::unique_ptr<CLoopDocument> Loop()
{
    return MakeLoop(9000, 44100, {0, 150, 2000});
}

struct EnsoniqRig {
    explicit EnsoniqRig(std::uint32_t typeId = kASR10,
                        std::uint32_t memory = CSimulatedEnsoniqSampler::kDefaultMemoryWords)
        : sampler(kChannel, typeId, memory),
          transfer(typeId, std::make_unique<CSamplerMIDIConnection>(lists, 0, 0))
    {
        sampler.ConnectMIDI(cable);
    }

    void Transmit(std::int32_t instrument = 3)
    {
        TransmitRequest request;
        request.sysexId = kChannel;
        request.programName = "Drum loop #1!";
        request.programId = instrument;
        transfer.Transmit(slices, request, progress);
    }
    ReceivedSample Receive(std::uint32_t reference) { return transfer.Receive({kChannel, reference}, progress); }

    InstalledClock clock{1000};
    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable = lists.AddLoopbackPair("Ensoniq cable");
    CSimulatedEnsoniqSampler sampler;
    CEnsoniqTransfer transfer;
    CLengthyOperation progress{"Slices left:", "Stop"};
    std::unique_ptr<CLoopDocument> loop = Loop();
    CSliceRenderSet slices{loop->Sound(), loop->Slices(), loop->Settings()};
};

// The slice as the model keeps it: at least 200 frames, `bits` significant.
std::vector<std::int16_t> Kept(const std::vector<std::int16_t>& slice, int bits)
{
    std::vector<std::int16_t> kept(std::max<std::size_t>(slice.size(), 200), 0);
    for (std::size_t i = 0; i < slice.size(); ++i)
        kept[i] = static_cast<std::int16_t>(slice[i] & ~((1 << (16 - bits)) - 1));
    return kept;
}

}  // namespace

TEST(EnsoniqTransfer, ALoopBecomesAnInstrumentWhoseLayerPlaysEverySlice)
{
    const struct {
        std::uint32_t typeId;
        int bits;
    } models[] = {{3000, 13}, {3010, 16}, {kASR10, 16}};
    for (const auto& model : models) {
        SCOPED_TRACE(model.typeId);
        EnsoniqRig rig(model.typeId);
        rig.Transmit();
        EXPECT_EQ(rig.sampler.HoldOffViolations(), 0);
        EXPECT_EQ(rig.transfer.TransmitReport(), "instrument 3 \"DRUM LOOP #1\" with layer 1 over keys C2 to D2");
        const auto instrument = rig.sampler.InstrumentAt(2);
        ASSERT_TRUE(instrument);
        EXPECT_EQ(instrument->parameters.Name(), "DRUM LOOP #1");
        ASSERT_EQ(instrument->waves.size(), 3u);
        const CEnsoniqLayerParameters& layer = instrument->layers.at(0);
        for (int key = 21; key <= 108; ++key)
            EXPECT_EQ(layer.WaveAt(key), key >= 36 && key <= 38 ? key - 35 : 0) << key;
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(k);
            const std::vector<std::int16_t> kept = Kept(SamplesOf(*rig.slices.Render(k)), model.bits);
            const CSimulatedEnsoniqSampler::Wave& wave = instrument->waves.at(k + 1);
            EXPECT_EQ(std::vector<std::int16_t>(wave.data.begin(), wave.data.end()), kept);
            const SampleFormat format = wave.parameters.Format(16);
            EXPECT_EQ(format.name, "DRUM LOOP  " + std::to_string(k + 1));
            EXPECT_EQ(format.rootKey, 36 + k);
            EXPECT_EQ(format.sustain.end, kept.size() - 2);

            const ReceivedSample back = rig.Receive(CEnsoniqTransfer::SampleReference(2, 0, k + 1));
            EXPECT_EQ(back.samples, kept);
            EXPECT_EQ(back.format.rate, 44100u);
            EXPECT_EQ(back.format.bits, model.bits);
        }
        EXPECT_EQ(rig.sampler.HoldOffViolations(), 0);
    }
}

TEST(EnsoniqTransfer, InjectedFaultsEndInTheirAlerts)
{
    using F = EnsoniqSamplerFaults;
    const struct {
        const char* name;
        bool receive;
        F faults;
        std::uint32_t memory;
        std::optional<ResourceId> alert;  // nullopt: the transfer succeeds
    } cases[] = {
        {"WAITs within 30 s", false, {.waits = 2, .waitsAfter = 6, .waitSpacing = 10000}, 1u << 20, std::nullopt},
        {"a WAIT, then the acknowledgement 20 s later", false, {.waits = 1, .waitSpacing = 20000}, 1u << 20,
         std::nullopt},
        {"WAITs past 30 s", false, {.waits = 4, .waitsAfter = 6, .waitSpacing = 9000}, 1u << 20,
         Res::kAlertMIDICommunication},
        {"messages of other devices meanwhile", false, {.strayMessages = true}, 1u << 20, std::nullopt},
        {"no room for the samples", false, {}, 3000, Res::kAlertSamplerOutOfMemory},
        {"invalid parameter", false, {.errorCode = 3, .errorAt = 4}, 1u << 20, Res::kAlertSamplerCommunication},
        {"not acknowledged", false, {.errorCode = 23, .errorAt = 9}, 1u << 20, Res::kAlertSamplerCommunication},
        {"cancelled by the sampler", false, {.cancelAt = 6}, 1u << 20, Res::kAlertSamplerCommunication},
        {"a block announced for another wave sample", false, {.wrongAnnouncementAt = 7}, 1u << 20,
         Res::kAlertSamplerCommunication},
        {"a block one word short", false, {.shortDataAt = 5}, 1u << 20, Res::kAlertMIDICommunication},
        {"wave data one word short", true, {.shortDataAt = 1}, 1u << 20, Res::kAlertMIDICommunication},
        {"no such wave sample", true, {.errorCode = 8, .errorAt = 0}, 1u << 20, Res::kAlertSamplerCommunication},
        {"WAITs past 30 s on receive", true, {.waits = 2, .waitSpacing = 20000}, 1u << 20,
         Res::kAlertMIDICommunication},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EnsoniqRig rig(kASR10, c.memory);
        AlertRecorder alerts;
        if (c.receive)
            rig.Transmit();
        rig.sampler.SetFaults(c.faults);
        std::optional<ReceivedSample> received;
        const TransferOutcome outcome = RunSamplerTransfer(nullptr, [&] {
            if (c.receive)
                received = rig.Receive(CEnsoniqTransfer::SampleReference(2, 0, 2));
            else
                rig.Transmit();
        });
        EXPECT_EQ(outcome, c.alert ? TransferOutcome::kFailed : TransferOutcome::kDone);
        if (c.alert) {
            ASSERT_EQ(alerts.shown.size(), 1u);
            EXPECT_TRUE(alerts.Shown(*c.alert)) << alerts.shown[0];
            continue;
        }
        EXPECT_TRUE(alerts.shown.empty());
        EXPECT_EQ(rig.sampler.InstrumentAt(2)->waves.size(), 3u);
    }
}

TEST(EnsoniqTransfer, SamplerInLoadModeOrFailingToCreateTheInstrument)
{
    EnsoniqRig rig;
    AlertRecorder alerts;
    rig.sampler.SetLoadMode(true);
    EXPECT_EQ(RunSamplerTransfer(nullptr, [&] { rig.Transmit(); }), TransferOutcome::kFailed);
    EXPECT_TRUE(alerts.Shown(Res::kAlertMIDICommunication));

    rig.sampler.SetLoadMode(false);
    rig.sampler.SetFaults({.errorCode = 12, .errorAt = 1});
    alerts.shown.clear();
    EXPECT_EQ(RunSamplerTransfer(nullptr, [&] { rig.Transmit(); }), TransferOutcome::kFailed);
    ASSERT_EQ(alerts.shown.size(), 2u);
    EXPECT_TRUE(alerts.Shown(Res::kAlertEnsoniqCreateFailed));
    EXPECT_TRUE(alerts.Shown(Res::kAlertSamplerOutOfMemory));
}

TEST(EnsoniqTransfer, AnInstrumentInTheSlotIsReplacedOnlyWhenTheUserSaysSo)
{
    const struct {
        std::int32_t answer;
        TransferOutcome outcome;
        std::string name;
    } cases[] = {{kAlertButtonSlot0, TransferOutcome::kDone, "DRUM LOOP #1"},
                 {kAlertButtonSlot1, TransferOutcome::kStopped, "OLD"}};
    for (const auto& c : cases) {
        EnsoniqRig rig;
        rig.sampler.Store(2, "OLD", 0, 1, std::vector<std::int16_t>(300, 5), 44100, 60, 60);
        AlertRecorder alerts(c.answer);
        EXPECT_EQ(RunSamplerTransfer(nullptr, [&] { rig.Transmit(); }), c.outcome);
        EXPECT_TRUE(alerts.Shown(Res::kAlertEnsoniqReplaceInstrument));
        EXPECT_EQ(rig.sampler.InstrumentAt(2)->parameters.Name(), c.name);
        EXPECT_EQ(rig.sampler.InstrumentAt(2)->waves.size(), c.name == "OLD" ? 1u : 3u);
    }
}

TEST(EnsoniqTransfer, AOneWordPieceThatBeginsLikeAResponseIsData)
{
    EnsoniqRig rig;
    std::vector<std::int16_t> frames(4097, 100);
    frames.back() = 0x1042;
    rig.sampler.Store(0, "ODD", 0, 1, frames, 44100, 36, 36);
    EXPECT_EQ(rig.Receive(CEnsoniqTransfer::SampleReference(0, 0, 1)).samples, frames);
}

TEST(EnsoniqTransfer, StopDuringAWaitEndsTheTransmission)
{
    RecordingPresenter presenter;
    EnsoniqRig rig;
    rig.progress.ShowNow();
    rig.sampler.SetFaults({.waits = 1, .waitSpacing = 25000});
    rig.clock.Schedule(rig.clock.Milliseconds() + 5000, [&] { presenter.window->pressed = true; });
    EXPECT_THROW(rig.Transmit(), XSampleTransmitCancelled);
    EXPECT_LT(rig.clock.Milliseconds(), 1000 + 6000);
}

TEST(EnsoniqTransfer, StopDuringTheDataDeletesTheWaveSampleBeingSent)
{
    RecordingPresenter presenter;
    presenter.pressAtOnce = true;
    EnsoniqRig rig;
    rig.progress.ShowNow();
    EXPECT_THROW(rig.Transmit(), XSampleTransmitCancelled);
    const auto instrument = rig.sampler.InstrumentAt(2);
    ASSERT_TRUE(instrument);
    EXPECT_TRUE(instrument->waves.empty());
    EXPECT_EQ(instrument->layers.size(), 1u);
    EXPECT_EQ(rig.sampler.HoldOffViolations(), 0);
}

TEST(EnsoniqTransfer, InPitchModeTheRootKeyTakesTheTranspositionWhileItStaysOnTheKeyboard)
{
    const struct {
        double tempoFactor;
        int root;  // of the first slice, on key 36
        bool fine;  // the transposition's cents as fine tune, else 0
    } cases[] = {{1.0, 36, false}, {2.0, 24, false},  {0.5, 48, false},
                 {8.2, 21, false}, {1.02, 36, true}, {1.03, 35, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tempoFactor);
        EnsoniqRig rig;
        CSlicingSettings& settings = rig.loop->Settings();
        settings.newTempo = static_cast<std::int32_t>(rig.slices.Tempo() * c.tempoFactor);
        settings.pitchMode = true;
        const CSliceRenderSet pitched(rig.loop->Sound(), rig.loop->Slices(), settings);
        TransmitRequest request;
        request.sysexId = kChannel;
        request.programName = "PITCHED";
        rig.transfer.Transmit(pitched, request, rig.progress);
        const SampleFormat format = rig.sampler.InstrumentAt(0)->waves.at(1).parameters.Format(16);
        EXPECT_EQ(format.rootKey, c.root);
        const int cents = pitched.Transposition() - 100 * SplitTransposition(pitched.Transposition()).semitones;
        EXPECT_EQ(format.fineTune, c.fine ? cents : 0);
    }
}

TEST(EnsoniqTransfer, OneSampleJoinsTheInstrumentThereOnItsFirstFreeKey)
{
    EnsoniqRig rig;
    AlertRecorder alerts;
    rig.sampler.Store(2, "OLD", 0, 1, std::vector<std::int16_t>(300, 5), 44100, 36, 37);
    const auto loop = MakeLoop(1000, 44100, {0});
    const CSliceRenderSet one(loop->Sound(), loop->Slices(), loop->Settings());
    TransmitRequest request;
    request.sysexId = kChannel;
    request.programName = "NEW";
    request.sampleName = "hit";
    request.programId = 3;
    rig.transfer.Transmit(one, request, rig.progress);
    EXPECT_TRUE(alerts.shown.empty());
    const auto instrument = rig.sampler.InstrumentAt(2);
    EXPECT_EQ(instrument->parameters.Name(), "OLD");
    ASSERT_EQ(instrument->waves.size(), 2u);
    EXPECT_EQ(instrument->waves.at(2).parameters.Format(16).rootKey, 38);
    EXPECT_EQ(instrument->waves.at(2).parameters.Name(), "HIT");
    EXPECT_EQ(instrument->layers.at(0).WaveAt(38), 2);
    EXPECT_EQ(instrument->layers.at(0).WaveAt(37), 1);
    EXPECT_EQ(rig.transfer.TransmitReport(), "instrument 3 \"OLD\" with layer 1 playing wave sample 2 on key D2");
}
