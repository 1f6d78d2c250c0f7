// A sliced loop sent to the simulated K2000 over MIDI, in virtual time: the
// program, keymap and samples it leaves, built on defaults or on a template
// in the instrument, an existing program replaced, the samples received
// back; every injected fault ending in its alert with what was created
// deleted again, and a lost acknowledgement creating no duplicate.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/exceptions/TransferFailureAlert.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/devices/OpenSamplerTransfer.h"
#include "samplers/kurzweil/CK2000Keymap.h"
#include "samplers/kurzweil/CK2000Program.h"
#include "samplers/kurzweil/CK2000SoundBlock.h"
#include "samplers/kurzweil/CK2000Transfer.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "simulators/CSimulatedKurzweilSampler.h"
#include "simulators/CSimulatedSamplerRack.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/KurzweilRig.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/SMDISamplerRig.h"

namespace {

using Fault = CSimulatedKurzweilSampler::WriteFault;
constexpr std::uint16_t kDestination = KurzweilRig::kDestination;
constexpr std::uint16_t kTemplate = 10;
constexpr std::int32_t kCancel = 34;
}  // namespace

TEST(KurzweilTransfer, LoopBecomesAPlayableProgramOnDefaultsOrATemplate)
{
    const struct {
        const char* name;
        std::string templateId;
        int baseKey;
        std::int16_t templateTuning;
        bool overSCSI;
    } cases[] = {{"defaults", "", 36, 2400, false}, {"template", "10", 48, 2500, false},
                 {"samples by SMDI", "", 36, 2400, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KurzweilRig rig(c.overSCSI);
        rig.PutProgram(kTemplate, 48, {2500, 3, 77, 1});
        rig.Transmit(c.templateId);

        EXPECT_EQ(rig.sampler.Ids(Kurzweil::kSample), (std::vector<std::uint16_t>{200, 201, 202}));
        const CK2000Program program = rig.Stored(CK2000Program(kDestination, ""));
        EXPECT_EQ(rig.sampler.Find({Kurzweil::kProgram, kDestination})->name, "LOOP");
        const CK2000Keymap keymap = rig.Stored(CK2000Keymap(program.FirstKeymap(0), ""));
        EXPECT_LE(program.LowKey(0), c.baseKey);
        EXPECT_GE(program.HighKey(0), c.baseKey + 2);
        for (int k = 0; k < 3; ++k) {
            const int key = c.baseKey + k;
            const auto sample = static_cast<std::uint16_t>(200 + k);
            EXPECT_EQ(*keymap.Find(7, key),
                      (CK2000Keymap::Entry{static_cast<std::int16_t>(c.templateTuning - 2400 + (60 - key) * 100),
                                           std::uint8_t(c.templateId.empty() ? 0 : 3), sample, 1}));
            const std::vector<std::int16_t> slice = SamplesOf(*rig.slices.Render(k));
            EXPECT_EQ(rig.sampler.SMDISamples().Find(sample) != nullptr, c.overSCSI);
            std::vector<std::int16_t> held = rig.SampleFrames(sample);
            held.resize(slice.size());
            EXPECT_EQ(held, slice) << k;
            EXPECT_EQ(rig.sampler.Find({Kurzweil::kSample, sample})->name, "LOOP           " + std::to_string(k + 1));
        }
        EXPECT_EQ(rig.transfer.TransmitReport(),
                  "program \"LOOP\" at ID 250 with keymap " + std::to_string(keymap.Id()) + " over sample IDs 200 to 202");
        const ReceivedSample back = rig.transfer.Receive({0, 201}, rig.progress);
        EXPECT_EQ(back.format.name, "LOOP           2");
        EXPECT_EQ(std::vector<std::int16_t>(back.samples.begin(), back.samples.begin() + 3003),
                  SamplesOf(*rig.slices.Render(1)));
    }
}

TEST(KurzweilTransfer, AnExistingProgramIsReplacedOnlyWhenTheUserAgreesAndLetsItBeDeleted)
{
    const struct {
        const char* name;
        bool agree;
        bool stop;  // Stop while the old samples are deleted
    } cases[] = {{"replaced", true, false}, {"cancelled", false, false}, {"stopped", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KurzweilRig rig;
        RecordingPresenter presenter;
        presenter.pressAtOnce = c.stop;
        rig.progress.ShowNow();
        rig.PutProgram(kDestination, 40, {0, 0, 200, 1});
        rig.sampler.Put({Kurzweil::kSample, 200}, {"OLD SAMPLE", CK2000SoundBlock(200, "").Data()});
        if (!c.agree)
            rig.alerts.answers.push_back(kCancel);
        const std::exception_ptr failure = FailureOf([&] { rig.Transmit(); });
        ASSERT_TRUE(rig.alerts.Shown(Res::kAlertK2000ReplaceProgram));
        const bool replaced = c.agree && !c.stop;
        EXPECT_EQ(!failure, replaced);
        if (c.stop) {
            EXPECT_EQ(TransferFailureAlert(failure), Res::kAlertK2000LeftoverKeymaps);
        }
        EXPECT_EQ(rig.sampler.Find({Kurzweil::kSample, 200})->name, replaced ? "LOOP           1" : "OLD SAMPLE");
        EXPECT_EQ(rig.sampler.Find({Kurzweil::kProgram, kDestination})->name, replaced ? "LOOP" : "OLD");
        EXPECT_EQ(rig.sampler.Ids(Kurzweil::kSample).size(), replaced ? 3u : 1u);
    }
}

TEST(KurzweilTransfer, TemplateProblemsAskWhetherToGoOnWithDefaults)
{
    CK2000Keymap broken(kTemplate, "");
    Kurzweil::Bytes brokenData = broken.Data();
    brokenData[11] = 5;  // entries of 5 bytes
    const struct {
        const char* name;
        std::string templateId;
        bool brokenKeymap;
        ResourceId alert;
    } cases[] = {
        {"no template ID", "65535", false, Res::kAlertK2000NoTemplate},
        {"no program there", "77", false, Res::kAlertK2000TemplateMissing},
        {"keymap unreadable", "10", true, Res::kAlertK2000TemplateFailed},
    };
    for (const auto& c : cases) {
        for (const bool yes : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (yes ? " yes" : " no"));
            KurzweilRig rig;
            rig.PutProgram(kTemplate, 48, {2500, 3, 77, 1});
            if (c.brokenKeymap)
                rig.sampler.Put({Kurzweil::kKeymap, kTemplate}, {"OLD", brokenData});
            if (!yes)
                rig.alerts.answers.push_back(kCancel);
            const std::exception_ptr failure = FailureOf([&] { rig.Transmit(c.templateId); });
            EXPECT_EQ(rig.alerts.shown.size(), 1u);
            EXPECT_TRUE(rig.alerts.Shown(c.alert));
            EXPECT_EQ(!failure, yes);
            EXPECT_EQ(rig.sampler.Ids(Kurzweil::kSample).size(), yes ? 3u : 0u);
            if (yes) {  // a default program
                EXPECT_EQ(rig.Stored(CK2000Program(kDestination, "")).LowKey(0), 0);
            }
        }
    }
}

TEST(KurzweilTransfer, FaultsEndInTheirAlertWithEverythingCreatedDeleted)
{
    const struct {
        const char* name;
        Fault fault;
        int afterWrites;  // 3 samples, then the keymap, then the program
        bool ignoreDeletes;
        std::optional<ResourceId> alert;
        std::string leftBehind;
    } cases[] = {
        {"sample refused", Fault::kRefuse, 1, false, Res::kAlertSamplerOutOfMemory, ""},
        {"program refused", Fault::kRefuse, 4, false, Res::kAlertSamplerOutOfMemory, ""},
        {"keymap above ID 1000", Fault::kStoreAboveRange, 3, false, Res::kAlertSamplerCommunication, ""},
        {"lost acknowledgement", Fault::kLoseAcknowledgement, 1, false, std::nullopt, ""},
        {"deletes unanswered", Fault::kRefuse, 3, true, Res::kAlertSamplerOutOfMemory,
         "sample 200, sample 201, sample 202"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KurzweilRig rig;
        rig.sampler.SetKurzweilFaults({c.fault, c.afterWrites, Kurzweil::kRefusedOutOfMemory, c.ignoreDeletes});
        const std::exception_ptr failure = FailureOf([&] { rig.Transmit(); });
        EXPECT_EQ(rig.sampler.WritesTaken(), c.alert ? c.afterWrites + 1 : 5);
        if (!c.alert) {  // found in the directory, not written twice
            EXPECT_FALSE(failure);
            EXPECT_EQ(rig.sampler.Ids(Kurzweil::kSample), (std::vector<std::uint16_t>{200, 201, 202}));
            continue;
        }
        ASSERT_TRUE(failure);
        EXPECT_EQ(TransferFailureAlert(failure), c.alert);
        EXPECT_EQ(rig.Empty(), c.leftBehind.empty());
        EXPECT_EQ(rig.alerts.Shown(Res::kAlertK2000LeftoverKeymaps), !c.leftBehind.empty());
        EXPECT_EQ(rig.transfer.TransmitReport(), c.leftBehind);
    }
}

TEST(KurzweilTransfer, TheRacksK2000IsReachedThroughTheTransferTheProgramOpens)
{
    InstalledClock clock(1000);
    CMIDIPortLists ports;
    CSCSIBusTable buses;
    CSimulatedSamplerRack rack;
    rack.ConnectMIDI({SamplerFamily::kKurzweil}, ports);
    CSamplerDevices devices(ports, buses);
    const CSupportedSamplerRegistry types(devices.Identification());
    CInstalledSampler k2000(*types.Find(1000));
    k2000.SetMIDIIn(0);  // the rack's only cable
    k2000.SetMIDIOut(0);
    ASSERT_TRUE(k2000.Type().CanTransmit());
    const std::unique_ptr<CABCSamplerTransfer> transfer = OpenSamplerTransfer(k2000, ports, buses);
    ASSERT_TRUE(transfer);
    CLengthyOperation progress{"Slices left:", "Stop"};
    const ReceivedSample tom = transfer->Receive({0, 1}, progress);
    EXPECT_EQ(tom.format.name, "Simulated Tom");
    EXPECT_EQ(tom.Frames(), 600u);
}
