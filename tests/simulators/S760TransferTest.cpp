// Transmitting a sliced loop to the simulated S-760 and receiving samples
// back, in virtual time: the patch with one partial and one sample per
// slice, templates and the replacement of a patch of the same name, the
// checks before sending, and every injected fault ending in its alert with
// remote mode left.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "devices/midi/CMIDIPortLists.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/roland/CS760Transfer.h"
#include "samplers/transfer/RunSamplerTransfer.h"
#include "simulators/CSimulatedRolandSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/RecordingProgress.h"

namespace {

constexpr std::uint8_t kDevice = 0;

struct S760Rig {
    S760Rig(std::uint16_t segments = CSimulatedRolandSampler::kSegments) : sampler(kDevice, segments)
    {
        sampler.ConnectMIDI(cable);
        transfer = std::make_unique<CS760Transfer>(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0), kDevice);
    }
    TransferOutcome Transmit(const std::string& name = {}, const std::string& templateName = {})
    {
        TransmitRequest request;
        request.programName = name;
        request.templateName = templateName;
        const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());
        return RunSamplerTransfer(nullptr, [&] { transfer->Transmit(slices, request, progress); });
    }
    std::vector<std::int16_t> Slice(int k) const
    {
        return SamplesOf(*CSliceRenderSet(loop->Sound(), loop->Slices(), loop->Settings()).Render(k));
    }
    // A patch `name` whose key `key` plays partial `partial` of sample `sample`.
    void HoldPatch(std::uint16_t patch, const std::string& name, int key, std::uint16_t partial, std::uint16_t sample)
    {
        S760::Partial block = S760::Partial::Default();
        block.SetName(name);
        block.SetZoneSample(0, sample);
        block.first[100] = 0x55;
        block.second[3] = 0x66;
        sampler.StorePartial(partial, block);
        S760::Patch held = S760::Patch::Default();
        held.SetName(name);
        held.SetTune(3, 40);
        held.SetKey(key - S760::kLowestKey, {static_cast<std::uint8_t>(partial), 9});
        sampler.StorePatch(patch, held);
        sampler.StoreSample(sample, name, std::vector<std::int16_t>(5000, 7), 44100);
    }

    InstalledClock clock{1000};
    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable = lists.AddLoopbackPair("S-760 cable");
    CSimulatedRolandSampler sampler;
    std::unique_ptr<CS760Transfer> transfer;
    CLengthyOperation progress{"Slices left:", "Stop"};
    std::unique_ptr<CLoopDocument> loop = MakeLoop(9000, 44100, {0, 2000, 5003});
};

}  // namespace

TEST(S760Transfer, LoopArrivesAsAPlayablePatchAndComesBack)
{
    S760Rig rig;
    rig.sampler.StoreSample(1, "   :Held", std::vector<std::int16_t>(10, 1), 44100);
    AlertRecorder alerts;
    ASSERT_EQ(rig.Transmit(), TransferOutcome::kDone);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(rig.transfer->TransmitReport(), "samples 0, 2, 3 in patch \"QLT:Funky\" (number 0) on keys 36 to 38");
    EXPECT_FALSE(rig.sampler.InRemoteMode());

    const CSimulatedS760Memory held = rig.sampler.Memory();
    EXPECT_EQ(held.patches[0].Name(), "QLT:Funky");
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const std::string name = "QLT:Funky      " + std::to_string(k + 1);
        const S760::KeyEntry key = held.patches[0].Key(36 + k - S760::kLowestKey);
        ASSERT_NE(key.partial, S760::kNoPartial);
        const S760::Partial& partial = held.partials[key.partial];
        EXPECT_EQ(partial.Name(), name);
        const std::uint16_t number = partial.ZoneSample(0);
        const SampleFormat format = S760::ParametersToFormat(held.samples.at(number));
        const std::vector<std::int16_t> slice = rig.Slice(k);
        EXPECT_EQ(format.name, name);
        EXPECT_EQ(format.rootKey, 36 + k);
        EXPECT_EQ(format.end, slice.size());
        EXPECT_EQ(format.length, 4608u - 4);
        std::vector<std::int16_t> stored = rig.sampler.Samples16(number);
        ASSERT_EQ(stored.size(), format.length);
        EXPECT_TRUE(std::equal(slice.begin(), slice.end(), stored.begin()));
        EXPECT_TRUE(std::all_of(stored.begin() + static_cast<std::ptrdiff_t>(slice.size()), stored.end(),
                                [](std::int16_t s) { return s == 0; }));

        const ReceivedSample back = rig.transfer->Receive({kDevice, number}, rig.progress);
        EXPECT_EQ(back.format.name, name);
        EXPECT_EQ(back.format.end, slice.size());
        EXPECT_TRUE(std::equal(slice.begin(), slice.end(), back.samples.begin()));
    }
    EXPECT_THROW(rig.transfer->Receive({kDevice, 200}, rig.progress), XSampleDoesNotExist);
    EXPECT_THROW(rig.transfer->Receive({kDevice, 512}, rig.progress), XInternalError);
}

TEST(S760Transfer, TemplateSettingsCarriedAndAPatchOfTheSameNameReplaced)
{
    S760Rig rig;
    rig.HoldPatch(2, "TPL:Bass", 40, 7, 30);
    rig.HoldPatch(5, "QLT:Loop", 36, 10, 20);
    rig.loop->Settings().pitchMode = true;
    const std::int32_t tempo = rig.loop->Settings().Tempo(rig.loop->Sound());
    rig.loop->Settings().newTempo = static_cast<std::int32_t>(std::lround(tempo * std::exp2(30.0 / 1200)));
    const std::int32_t t = CSliceRenderSet(rig.loop->Sound(), rig.loop->Slices(), rig.loop->Settings()).Transposition();
    ASSERT_GT(40 + t, 50);  // the fine tune overflows into the coarse tune
    AlertRecorder alerts;   // Replace
    ASSERT_EQ(rig.Transmit("Loop", "TPL:Bass"), TransferOutcome::kDone);
    EXPECT_TRUE(alerts.Shown(Res::kAlertS760ReplacePatch, "QLT:Loop"));

    const CSimulatedS760Memory held = rig.sampler.Memory();
    EXPECT_EQ(rig.sampler.Deletes(), 1);
    EXPECT_TRUE(held.samples[20].IsEmpty());
    EXPECT_TRUE(held.partials[10].IsEmpty());
    EXPECT_EQ(held.patches[0].Name(), "QLT:Loop");  // the lowest free patch, the old one's among them
    EXPECT_EQ(held.patches[5].Name(), "   :");
    const S760::Patch& patch = held.patches[0];
    EXPECT_EQ(patch.CoarseTune(), 4);
    EXPECT_EQ(patch.FineTune(), 340 + t - 400);
    EXPECT_EQ(patch.Key(36 - S760::kLowestKey).partial, S760::kNoPartial);
    for (int k = 0; k < 3; ++k) {
        const S760::KeyEntry key = patch.Key(40 + k - S760::kLowestKey);
        EXPECT_EQ(key.extra, 9);
        const S760::Partial& partial = held.partials.at(key.partial);
        EXPECT_EQ(partial.first[100], 0x55);
        EXPECT_EQ(partial.second[3], 0x66);
        EXPECT_EQ(held.samples.at(partial.ZoneSample(0)).rootKey, 40 + k);
    }
}

TEST(S760Transfer, ChecksBeforeSendingRefuseWithTheirAlerts)
{
    const struct {
        const char* name;
        std::function<void(S760Rig&)> prepare;
        std::int32_t answer;
        ResourceId alert;
        const char* argument;
        TransferOutcome outcome;
        const char* templateName = "";
    } cases[] = {
        {"no patch free", [](S760Rig& r) { for (std::uint16_t p = 0; p < 128; ++p) r.HoldPatch(p, "P:" + std::to_string(p), 36, 0, 0); },
         33, Res::kAlertS760NoFreePatch, "", TransferOutcome::kStopped},
        {"a partial of a slice's name", [](S760Rig& r) { r.HoldPatch(1, "QLT:Funky      2", 36, 4, 4); }, 33,
         Res::kAlertS760PartialExists, "QLT:Funky      2", TransferOutcome::kStopped},
        {"replace refused", [](S760Rig& r) { r.HoldPatch(1, "QLT:Funky", 36, 4, 4); }, 34,
         Res::kAlertS760ReplacePatch, "QLT:Funky", TransferOutcome::kStopped},
        {"missing template, defaults refused", [](S760Rig&) {}, 34, Res::kAlertS760TemplateFailed, "",
         TransferOutcome::kStopped, "TPL:None"},
        {"missing template, defaults taken", [](S760Rig&) {}, 33, Res::kAlertS760TemplateFailed, "",
         TransferOutcome::kDone, "TPL:None"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        S760Rig rig;
        c.prepare(rig);
        const std::size_t samples = rig.sampler.Samples().size();
        AlertRecorder alerts(c.answer);
        EXPECT_EQ(rig.Transmit({}, c.templateName), c.outcome);
        EXPECT_TRUE(alerts.Shown(c.alert, c.argument));
        EXPECT_EQ(rig.sampler.Samples().size(), samples + (c.outcome == TransferOutcome::kDone ? 3 : 0));
        EXPECT_FALSE(rig.sampler.InRemoteMode());
    }
}

TEST(S760Transfer, InjectedFaultsEndInTheirAlertsWithRemoteModeLeft)
{
    const struct {
        const char* name;
        RolandSamplerFaults faults;
        std::uint16_t segments;
        std::vector<const char*> alerts;  // titles
        std::size_t samples;              // sent and held afterwards
    } cases[] = {
        {"silent", {.silent = true}, 3640, {"MIDI communication failed!"}, 0},
        {"rejected handshake", {.rejections = 1}, 3640, {"Operation rejected by sampler!"}, 1},
        {"communication error", {.errors = 1}, 3640, {"MIDI communication failed!"}, 1},
        {"bad checksum in a packet", {.badChecksums = 1}, 3640, {"MIDI communication failed!"}, 1},
        {"dump lost", {.lostDumps = 1}, 3640, {"Sampler communication error!"}, 1},
        {"file list cut inside an entry", {.cutFileList = true}, 3640, {"MIDI communication failed!"}, 0},
        {"file list of another category", {.wrongCategory = true}, 3640, {"Sampler communication error!"}, 0},
        {"remote switch unconfirmed", {.unconfirmedSwitch = true}, 3640, {}, 3},
        {"wave memory for one slice", {}, 3, {"", "Sampler communication error!"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        S760Rig rig(c.segments);
        for (std::uint16_t held : {100, 101})
            rig.sampler.StoreSample(held, "   :Held" + std::to_string(held), std::vector<std::int16_t>(10, 1), 44100);
        rig.sampler.SetRolandFaults(c.faults);
        AlertRecorder alerts;
        const TransferOutcome outcome = rig.Transmit();
        EXPECT_EQ(outcome, c.alerts.empty() ? TransferOutcome::kDone : TransferOutcome::kFailed);
        ASSERT_EQ(alerts.shown.size(), c.alerts.size());
        for (std::size_t i = 0; i < c.alerts.size(); ++i)
            EXPECT_EQ(alerts.Title(i), c.alerts[i]);
        EXPECT_EQ(rig.sampler.Samples().size(), c.samples + 2);
        EXPECT_FALSE(rig.sampler.InRemoteMode());
        // A patch over the slices that went, when some did but not all.
        const bool incomplete = c.samples == 2;
        EXPECT_EQ(alerts.Shown(Res::kAlertS760PatchIncomplete), incomplete);
        if (incomplete) {
            const S760::Patch patch = rig.sampler.Memory().patches[0];
            EXPECT_NE(patch.Key(36 - S760::kLowestKey).partial, S760::kNoPartial);
            EXPECT_EQ(patch.Key(37 - S760::kLowestKey).partial, S760::kNoPartial);
        }
    }
}

TEST(S760Transfer, AReplacementStoppedOrTooSlowEndsInItsAlert)
{
    const struct {
        const char* name;
        bool stop;
        std::int64_t deleteTime;
        const char* alert;
    } cases[] = {
        {"stopped while deleting", true, 1500, "Some Partials/Samples that this Patch refers to were deleted!"},
        {"a delete slower than 40 s", false, 45000, "MIDI communication failed!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        S760Rig rig;
        rig.HoldPatch(5, "QLT:Funky", 36, 10, 20);
        rig.sampler.SetRolandFaults({.deleteTime = c.deleteTime});
        RecordingPresenter presenter;
        presenter.pressAtOnce = c.stop;
        rig.progress.ShowNow();
        AlertRecorder alerts;  // Replace
        EXPECT_EQ(rig.Transmit(), TransferOutcome::kFailed);
        ASSERT_EQ(alerts.shown.size(), 2u);
        EXPECT_NE(alerts.shown[1].find(c.alert), std::string::npos) << alerts.shown[1];
        EXPECT_EQ(rig.sampler.Samples().size(), c.stop ? 1u : 0u);
        EXPECT_FALSE(rig.sampler.InRemoteMode());
    }
}

TEST(S760Interface, RemoteModeNestsHandshakesAcknowledgeAndLeavingNeverThrows)
{
    S760Rig rig;
    rig.transfer.reset();
    CSamplerMIDIConnection connection(rig.lists, 0, 0);
    rig.sampler.StoreSample(300, "   :Held", std::vector<std::int16_t>(10, 1), 44100);
    rig.sampler.SetRolandFaults({.packetBytes = 32});
    {
        CS760MIDIInterface sampler(connection.Parser(), connection.Output(), kDevice, true);
        sampler.BeginRemote();
        sampler.EndRemote();
        EXPECT_TRUE(rig.sampler.InRemoteMode());
        EXPECT_EQ(sampler.ReadSampleParameters(300).rootKey, 60);
        sampler.DeleteSample(300);
    }
    EXPECT_FALSE(rig.sampler.InRemoteMode());
    EXPECT_EQ(rig.sampler.RemoteSwitches(), 2);
    EXPECT_EQ(rig.sampler.Deletes(), 1);
    const auto received = rig.sampler.Trace().Bytes(CInstrumentTrace::Kind::kReceivedSysex);
    EXPECT_EQ(std::count(received.begin(), received.end(), Roland::ShortMessage(kDevice, Roland::kACK)), 4);

    std::ostringstream trace;
    std::streambuf* const previous = std::clog.rdbuf(trace.rdbuf());
    {
        CS760MIDIInterface sampler(connection.Parser(), connection.Output(), kDevice, true);
        rig.cable->Outgoing().SetFaults({.failedWrites = 1});
    }
    std::clog.rdbuf(previous);
    EXPECT_TRUE(rig.sampler.InRemoteMode());
    EXPECT_NE(trace.str().find("could not leave remote mode"), std::string::npos);
}
