// Transmitting a sliced loop to the simulated AKAI samplers and receiving
// it back, in virtual time: the program the sampler is left with (one
// keygroup per slice from key 36, the transposition in its tune, a template
// program's settings), the samples equal to the rendered slices, and every
// injected fault ending in its alert with what was created cleaned up.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/midi/CRegisteredLoopbackMIDIInput.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/exceptions/TransferFailureAlert.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/akai/AKAIBlocks.h"
#include "samplers/akai/AKAIText.h"
#include "samplers/akai/CAKAITransfer.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/devices/OpenSamplerTransfer.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/model/SamplerFamily.h"
#include "simulators/CSimulatedSamplerRack.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/AKAISamplerRig.h"
#include "tests/support/SMDISamplerRig.h"

namespace {

// A loop of three slices, and the progress a transfer of them reports to.
struct ThreeSlices {
    explicit ThreeSlices(bool pitchToDoubleTempo = false)
    {
        if (pitchToDoubleTempo) {
            loop->Settings().pitchMode = true;
            loop->Settings().newTempo = 2 * loop->Settings().Tempo(loop->Sound());
        }
        slices = std::make_unique<CSliceRenderSet>(loop->Sound(), loop->Slices(), loop->Settings());
    }

    std::unique_ptr<CLoopDocument> loop = MakeLoop(9000, 44100, {0, 2000, 5003});
    std::unique_ptr<CSliceRenderSet> slices;
    CLengthyOperation progress{"Slices left:", "Stop"};
};

TransmitRequest Request(const std::string& program, const std::string& templateName = {})
{
    TransmitRequest request;
    request.programName = program;
    request.templateName = templateName;
    return request;
}

// The exception the transmission ended with (none when it succeeded).
std::exception_ptr TransmitTo(AKAISamplerRig& rig, ThreeSlices& loop, const TransmitRequest& request)
{
    return FailureOf([&] { rig.transfer->Transmit(*loop.slices, request, loop.progress); });
}

// Checks that the sampler holds program `name` over the slices.
void ExpectPlayableProgram(const CSimulatedAKAISampler& sampler, const std::string& name, ThreeSlices& loop)
{
    const auto programs = sampler.Programs();
    const auto found = std::find_if(programs.begin(), programs.end(), [&](const auto& program) {
        return AKAIBlock::ProgramName(program.header) == AKAI::Normalised(name);
    });
    ASSERT_NE(found, programs.end()) << name;
    ASSERT_EQ(AKAIBlock::KeygroupCount(found->header), 3);
    ASSERT_EQ(found->keygroups.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const AKAIBlock::Bytes& keygroup = found->keygroups[static_cast<std::size_t>(i)];
        EXPECT_EQ(AKAIBlock::LowKey(keygroup), 36 + i);
        EXPECT_EQ(AKAIBlock::HighKey(keygroup), 36 + i);
        const std::string sample = AKAIBlock::ZoneSample(keygroup, 0);
        EXPECT_EQ(sample, CAKAITransfer::SampleName(name, i));
        EXPECT_EQ(sampler.SampleFrames(sample), SamplesOf(*loop.slices->Render(i))) << i;
        EXPECT_EQ(AKAIBlock::SampleRootKey(sampler.SampleHeader(sample)), 60);
    }
}

}  // namespace

TEST(AKAITransfer, RackSamplersTakeTheLoopAndGiveItBack)
{
    InstalledClock clock(1000);
    CMIDIPortLists ports;
    CSCSIBusTable buses;
    CSimulatedSamplerRack rack;
    rack.ConnectMIDI({SamplerFamily::kAKAI}, ports);
    rack.ConnectSCSI(buses);
    CSamplerDevices devices(ports, buses);
    const CSupportedSamplerRegistry types(devices.Identification());
    const struct {
        std::uint32_t typeId;
        const char* cable;  // none: over SCSI
    } cases[] = {{4000, "Simulated AKAI S1000"}, {4100, "Simulated AKAI S3000"}, {4151, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typeId);
        ASSERT_TRUE(HasTransferProtocol(c.typeId));
        CInstalledSampler sampler(*types.Find(c.typeId));
        if (c.cable) {
            sampler.SetMIDIIn(ports.FindInput(c.cable, CRegisteredLoopbackMIDIInput::kDriverName));
            sampler.SetMIDIOut(ports.FindOutput(c.cable, CRegisteredLoopbackMIDIInput::kDriverName));
        } else {
            sampler.SetSCSIID(AKAISamplerRig::kSCSIId);
        }
        const std::unique_ptr<CABCSamplerTransfer> transfer = OpenSamplerTransfer(sampler, ports, buses);
        ASSERT_TRUE(transfer);
        EXPECT_EQ(transfer->SliceLimit(), 92);
        ThreeSlices loop;
        transfer->Transmit(*loop.slices, Request("Break"), loop.progress);
        EXPECT_EQ(transfer->TransmitReport(), "program \"BREAK\" with 3 keygroups");
        EXPECT_EQ(transfer->ProgramNames(), std::vector<std::string>{"BREAK"});
        const std::vector<std::string> samples = transfer->SampleNames();
        ASSERT_EQ(samples.size(), 4u);  // the rack's tom first
        EXPECT_EQ(samples[0], "TOM");
        EXPECT_EQ(transfer->Receive({AKAISamplerRig::kChannel, 0}, loop.progress).Frames(), 600u);
        for (std::uint32_t k = 1; k < 4; ++k) {
            EXPECT_EQ(samples[k], "BREAK      " + std::to_string(k));
            const ReceivedSample back = transfer->Receive({AKAISamplerRig::kChannel, k}, loop.progress);
            EXPECT_EQ(back.samples, SamplesOf(*loop.slices->Render(static_cast<int>(k - 1)))) << k;
            EXPECT_EQ(back.format.name, samples[k]);
            EXPECT_EQ(back.format.rate, 44100u);
        }
    }
}

TEST(AKAITransfer, ProgramsAreBuiltFromDefaultsOrATemplateWithTheTransposition)
{
    const struct {
        const char* name;
        bool s1000;
        bool scsi;
        bool pitch;
        const char* templateName;
        std::int32_t tune;       // of the program built
        int filter;              // of its keygroups
    } cases[] = {
        {"S1000 defaults", true, false, false, "", 0, 99},
        {"S3000 over SCSI", false, true, false, "", 0, 99},
        {"template", false, false, false, "TEMPL", 256, 40},
        {"template, pitch", false, false, true, "templ", 256 + 12 * 256, 40},
        {"missing template, defaults taken", false, false, false, "NONE", 0, 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AKAISamplerRig rig(c.s1000 ? 4000 : 4100, c.scsi);
        AlertRecorder alerts;  // Yes: use default values
        const std::size_t size = rig.sampler.BlockSize();
        CSimulatedAKAISampler::Program templ{AKAIBlock::DefaultProgram(size, "TEMPL"),
                                             {AKAIBlock::DefaultKeygroup(size)}};
        AKAIBlock::SetProgramTune(templ.header, 256);
        templ.keygroups[0][7] = 40;  // filter
        rig.sampler.StoreProgram(templ);
        ThreeSlices loop(c.pitch);
        ASSERT_FALSE(TransmitTo(rig, loop, Request("Loop", c.templateName)));
        EXPECT_EQ(alerts.shown.size(), std::string(c.name).find("missing") == 0 ? 1u : 0u);
        ExpectPlayableProgram(rig.sampler, "LOOP", loop);
        const auto programs = rig.sampler.Programs();
        ASSERT_EQ(programs.size(), 2u);
        EXPECT_EQ(programs[1].header.size(), size);
        EXPECT_EQ(AKAIBlock::ProgramTune(programs[1].header), c.tune);
        EXPECT_EQ(programs[1].keygroups[2][7], c.filter);
    }
}

TEST(AKAITransfer, ReplacingAProgramDeletesItAndItsSamplesFirst)
{
    const struct {
        const char* name;
        std::int32_t answer;
        int deleteWaits;
        bool stop;
        std::optional<ResourceId> alert;  // of the failure
        std::vector<std::string> programs;
        std::size_t samples;              // left in the sampler
    } cases[] = {
        {"replace", kAlertButtonSlot0, 0, false, std::nullopt, {"OTHER", "LOOP"}, 4},
        {"replace through WAITs", kAlertButtonSlot0, 2, false, std::nullopt, {"OTHER", "LOOP"}, 4},
        {"cancel", kAlertButtonSlot1, 0, false, std::nullopt, {"LOOP", "OTHER"}, 3},
        {"stop while the sampler waits", kAlertButtonSlot0, 2, true, Res::kAlertAKAILeftoverSamples, {"OTHER"}, 3},
        {"WAITs past 30 s", kAlertButtonSlot0, 5, false, Res::kAlertMIDICommunication, {"OTHER"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AKAISamplerRig rig;
        AlertRecorder alerts;
        alerts.answers = {c.answer};
        RecordingPresenter presenter;
        if (c.stop)
            rig.PressStop(presenter, 3000);  // while the sampler deletes the old program
        // The old LOOP plays two samples; OTHER keeps one of its own.
        for (const char* sample : {"OLD A", "OLD B", "KEEP"})
            rig.sampler.StoreSample(sample, std::vector<std::int16_t>(100, 7), 44100);
        const std::size_t size = rig.sampler.BlockSize();
        CSimulatedAKAISampler::Program old{AKAIBlock::DefaultProgram(size, "LOOP"),
                                           {AKAIBlock::DefaultKeygroup(size), AKAIBlock::DefaultKeygroup(size)}};
        AKAIBlock::SetKeygroupCount(old.header, 2);
        AKAIBlock::SetZone(old.keygroups[0], 0, "OLD A", 0, 127);
        AKAIBlock::SetZone(old.keygroups[1], 3, "OLD B", 0, 127);
        rig.sampler.StoreProgram(old);
        rig.sampler.StoreProgram({AKAIBlock::DefaultProgram(size, "OTHER"), {AKAIBlock::DefaultKeygroup(size)}});
        rig.sampler.SetAKAIFaults({.deleteWaits = c.deleteWaits, .waitSpacing = 8000});
        ThreeSlices loop;
        loop.progress.ShowNow();
        const std::int64_t start = CClock::Current().Milliseconds();
        const std::exception_ptr failure = TransmitTo(rig, loop, Request("loop"));
        EXPECT_EQ(failure ? TransferFailureAlert(failure) : std::nullopt, c.alert);
        if (c.stop) {  // at once, not when the sampler is done
            EXPECT_LT(CClock::Current().Milliseconds() - start, CABCAKAIInterface::kReplyTimeout);
        }
        EXPECT_TRUE(alerts.Shown(Res::kAlertAKAIReplaceProgram, "LOOP"));
        std::vector<std::string> programs;
        for (const std::string& name : rig.sampler.ProgramNames())
            programs.push_back(name.substr(0, name.find(' ')));
        EXPECT_EQ(programs, c.programs);
        EXPECT_EQ(rig.sampler.SampleNames().size(), c.samples);
        EXPECT_EQ(rig.sampler.SampleNames()[0], c.samples == 4 ? "KEEP        " : "OLD A       ");
    }
}

TEST(AKAITransfer, FaultsEndInTheirAlerts)
{
    const struct {
        const char* name;
        AKAISamplerFaults faults;
        bool scsi;
        const char* program;
        const char* clash;                   // a sample already held
        std::optional<ResourceId> shown;     // by the transfer itself
        std::optional<ResourceId> failure;   // the ladder's alert; none: stopped or no failure
        bool fails;
        std::size_t programs;                // in the sampler afterwards
    } cases[] = {
        {"no name", {}, false, " ", nullptr, Res::kAlertAKAINoName, std::nullopt, true, 0},
        {"name clash", {}, false, "Loop", "LOOP       2", Res::kAlertAKAISampleExists, std::nullopt, true, 0},
        {"error reply", {.errorReplyOperation = 0x0B}, false, "Loop", nullptr, std::nullopt,
         Res::kAlertOperationRejected, true, 0},
        {"keygroup refused", {.errorReplyOperation = 0x09}, false, "Loop", nullptr, std::nullopt,
         Res::kAlertOperationRejected, true, 1},
        {"samples lost", {.loseSamples = true}, false, "Loop", nullptr, std::nullopt,
         Res::kAlertSamplerCommunication, true, 0},
        {"slow answers", {.answerDelay = 10500}, false, "Loop", nullptr, std::nullopt, Res::kAlertMIDICommunication,
         true, 0},
        {"short status", {.shortStatus = true}, false, "Loop", nullptr, std::nullopt, Res::kAlertMIDICommunication,
         true, 0},
        {"SCSI sampler not ready", {.notReady = true}, true, "Loop", nullptr, std::nullopt,
         Res::kAlertSCSICommunication, true, 0},
        {"SCSI reads short", {.withheldBytes = 40}, true, "Loop", nullptr, std::nullopt, std::nullopt, false,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AKAISamplerRig rig(4100, c.scsi);
        AlertRecorder alerts;
        rig.sampler.SetAKAIFaults(c.faults);
        if (c.clash)
            rig.sampler.StoreSample(c.clash, std::vector<std::int16_t>(10, 1), 44100);
        ThreeSlices loop;
        const std::exception_ptr failure = TransmitTo(rig, loop, Request(c.program));
        EXPECT_EQ(static_cast<bool>(failure), c.fails);
        EXPECT_EQ(failure ? TransferFailureAlert(failure) : std::nullopt, c.failure);
        EXPECT_EQ(c.shown && alerts.Count(*c.shown, c.clash ? "LOOP       2" : "") == 1, c.shown.has_value());
        EXPECT_EQ(rig.sampler.Programs().size(), c.programs);
    }
}

TEST(AKAITransfer, FullMemoryAndStopsLeaveTheSamplerAsTold)
{
    const struct {
        const char* name;
        std::uint16_t blocks;
        std::uint32_t words;
        bool stop;
        std::optional<ResourceId> failure;
        bool incomplete;  // "Some samples were not Transmitted!"
    } cases[] = {
        {"too few blocks", 6, 1 << 20, false, Res::kAlertSamplerOutOfMemory, false},
        {"too few words", 100, 8000, false, Res::kAlertSamplerOutOfMemory, false},
        {"stopped", 100, 1 << 20, true, std::nullopt, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AKAISamplerRig rig(4000);
        AlertRecorder alerts;
        RecordingPresenter presenter;
        if (c.stop)
            rig.PressStop(presenter, 60);  // while the first sample goes
        rig.sampler.SetMemory(c.blocks, c.words);
        ThreeSlices loop;
        loop.progress.ShowNow();
        const std::exception_ptr failure = TransmitTo(rig, loop, Request("Loop"));
        ASSERT_TRUE(failure);
        EXPECT_EQ(TransferFailureAlert(failure), c.failure);
        EXPECT_EQ(alerts.Shown(Res::kAlertAKAIProgramIncomplete), c.incomplete);
        EXPECT_TRUE(rig.sampler.Programs().empty());
        EXPECT_TRUE(c.stop || rig.sampler.SampleNames().empty());
    }
}
