// Transfers with the simulated A3000 over a loopback cable, in virtual time:
// a sliced loop becomes one sample per slice and a bank over them, checked
// afterwards by name; templates, names already taken, the busy time, and
// every injected fault ending in its alert.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/exceptions/TransferFailureAlert.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/transfer/RunSamplerTransfer.h"
#include "samplers/yamaha/CA3000MIDIAndSCSIInterface.h"
#include "samplers/yamaha/CA3000Transfer.h"
#include "simulators/CSimulatedYamahaSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/SMDISamplerRig.h"

namespace {

constexpr std::uint8_t kDevice = 2;
using Fault = CSimulatedYamahaSampler::Fault;

constexpr std::uint8_t kSCSIId = 4;

struct A3000Rig {
    explicit A3000Rig(std::vector<std::uint32_t> slicePoints = {0, 100, 2700}, std::uint32_t frames = 8000,
                      bool overSCSI = false)
        : transfer(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0),
                   [this, overSCSI](CSamplerMIDIConnection& midi, std::uint8_t device) -> std::unique_ptr<CA3000Interface> {
                       if (overSCSI)
                           return std::make_unique<CA3000MIDIAndSCSIInterface>(midi.Parser(), midi.Output(), device,
                                                                               CSMDI::DeviceAt(&bus, kSCSIId));
                       return std::make_unique<CA3000Interface>(midi.Parser(), midi.Output(), device);
                   }),
          loop(MakeLoop(frames, 44100, slicePoints))
    {
        sampler.ConnectMIDI(cable);
        sampler.ConnectSCSI(bus, kSCSIId);
    }

    void Transmit(const std::string& bank = "Break", const std::string& templateName = "")
    {
        TransmitRequest request;
        request.sysexId = kDevice;
        request.programName = bank;
        request.templateName = templateName;
        transfer.Transmit(slices, request, progress);
    }
    TransferOutcome Run(const std::function<void()>& work) { return RunSamplerTransfer(nullptr, work); }
    // The frames the sampler holds for slice k, without the tail it adds.
    std::vector<std::int16_t> Held(int k)
    {
        const auto* sample = sampler.FindSample(CA3000Transfer::SampleName("Break", k));
        if (!sample)
            return {};
        return {sample->frames.begin(), sample->frames.begin() + sample->parameters.Format().end};
    }
    // When the sampler received message `n` of those it received that match.
    std::vector<std::int64_t> Received(const std::function<bool(const std::vector<std::uint8_t>&)>& match) const
    {
        std::vector<std::int64_t> times;
        for (const CInstrumentTrace::Entry& entry : sampler.Trace().Entries())
            if (entry.kind == CInstrumentTrace::Kind::kReceivedSysex && match(entry.bytes))
                times.push_back(entry.time);
        return times;
    }

    InstalledClock clock{1000};
    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable = lists.AddLoopbackPair("A3000 cable");
    CSimulatedSCSIBus bus{"Test bus"};
    CSimulatedYamahaSampler sampler{kDevice, {0, 2, 1, 0}};
    CA3000Transfer transfer;
    CLengthyOperation progress{"Slices left:", "Stop"};
    std::unique_ptr<CLoopDocument> loop;
    CSliceRenderSet slices{loop->Sound(), loop->Slices(), loop->Settings()};
};

bool IsRequest(const std::vector<std::uint8_t>& m)
{
    return m.size() == A3000::kRequestLength && m[2] >= A3000::kRequestFlag;
}

bool IsBankDump(const std::vector<std::uint8_t>& m)
{
    std::string type, name;
    return A3000::ReadDumpHead(m, type, name) && type == A3000::kSampleBank;
}

}  // namespace

TEST(A3000Transfer, SlicesBecomeSamplesOnConsecutiveKeysOfANewBank)
{
    for (const bool overSCSI : {false, true}) {
        SCOPED_TRACE(overSCSI ? "wave data over SCSI" : "over MIDI");
        A3000Rig rig({0, 100, 2700}, 12000, overSCSI);  // the last slice spans three pieces of 4096 frames
        rig.sampler.Store(CSimulatedYamahaSampler::MakeSample("Tom", 44100, std::vector<std::int16_t>(50, 9)));
        rig.Transmit();
        const CA3000SampleBank* bank = rig.sampler.FindBank("Break");
        ASSERT_TRUE(bank);
        ASSERT_EQ(bank->Members().size(), 3u);
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(k);
            const std::string name = CA3000Transfer::SampleName("Break", k);
            const auto key = static_cast<std::uint8_t>(36 + k);
            EXPECT_EQ(bank->Members()[k], (CA3000SampleBank::Member{name, key, key, key, 127}));
            const std::vector<std::int16_t> slice = SamplesOf(*rig.slices.Render(k));
            EXPECT_EQ(rig.Held(k), slice);
            const SampleFormat held = rig.sampler.FindSample(name)->parameters.Format();
            EXPECT_EQ(std::tie(held.length, held.rootKey, held.lowestKey, held.highestKey, held.rate),
                      std::make_tuple(std::uint32_t(slice.size() + 4), key, key, key, 44100u));
            const auto& record = rig.sampler.FindSample(name)->parameters.Data();
            EXPECT_EQ(std::string(record.begin() + CA3000SampleParameters::kWaveTexts,
                                  record.begin() + CA3000SampleParameters::kWaveTexts + 4),
                      overSCSI ? CSimulatedYamahaSampler::kSCSIWaveTexts : std::string(4, '\0'));
            const ReceivedSample back = rig.transfer.Receive({kDevice, std::uint32_t(k + 2)}, rig.progress);
            EXPECT_EQ(std::vector<std::int16_t>(back.samples.begin(), back.samples.begin() + slice.size()), slice);
            EXPECT_EQ(back.format.name, name);
        }
        EXPECT_EQ(rig.transfer.TransmitReport(), "sample bank \"Break\" with 3 sample(s) on keys 36 to 38");
    }
    EXPECT_EQ(CA3000Transfer::SampleName("Break", 0), "Break          1");
}

TEST(A3000Transfer, RequestsWaitOutTheBusyTimeAfterEveryDump)
{
    A3000Rig rig;
    rig.Transmit("First");
    rig.Transmit("Second");
    const std::vector<std::int64_t> requests = rig.Received(IsRequest);
    const std::vector<std::int64_t> banks = rig.Received(IsBankDump);
    ASSERT_EQ(requests.size(), 4u);  // list, check, and again
    ASSERT_EQ(banks.size(), 2u);
    EXPECT_GE(requests[1] - banks[0], CA3000Interface::kBusyTime);
    EXPECT_GE(requests[2] - banks[0], CA3000Interface::kBusyTime);
    ASSERT_TRUE(rig.sampler.FindBank("Second"));
}

TEST(A3000Transfer, TemplatesAndTakenNames)
{
    const struct {
        const char* what;
        std::string bank;
        std::string templateName;
        std::int32_t answer;  // to the template question
        ResourceId alert;     // 0: none
        std::string argument;
        bool sent;
    } cases[] = {
        {"template bank", "Break", "Kit", 33, 0, "", true},
        {"template sample", "Break", "Kit Kick", 33, 0, "", true},
        {"missing template, defaults", "Break", "Nothing", 33, Res::kAlertA3000TemplateFailed, "", true},
        {"missing template, no", "Break", "Nothing", 34, Res::kAlertA3000TemplateFailed, "", false},
        {"bank taken", "Kit", "", 33, Res::kAlertA3000BankExists, "Kit", false},
        {"sample taken", "Kit Kick", "", 33, Res::kAlertA3000SampleExists, "Kit Kick       1", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        A3000Rig rig({0, 100});
        auto kick = CSimulatedYamahaSampler::MakeSample("Kit Kick", 44100, std::vector<std::int16_t>(10, 5));
        A3000::Bytes record = kick.parameters.Data();
        record[CA3000SampleParameters::kPan] = 20;
        kick.parameters = CA3000SampleParameters::Read(record);
        rig.sampler.Store(kick);
        // "Kit Kick" again at 16 characters with the slice number.
        rig.sampler.Store(CSimulatedYamahaSampler::MakeSample("Kit Kick       1", 44100, {1, 2}));
        CA3000SampleBank kit;
        kit.SetName("Kit");
        kit.AddMember({"Kit Kick", 36, 40, 36, 90});
        rig.sampler.Store(kit);
        AlertRecorder alerts;
        alerts.answers.push_back(c.answer);
        const TransferOutcome outcome = rig.Run([&] { rig.Transmit(c.bank, c.templateName); });
        EXPECT_EQ(outcome, c.sent ? TransferOutcome::kDone : TransferOutcome::kStopped);
        EXPECT_EQ(alerts.shown.size(), c.alert ? 1u : 0u);
        if (c.alert) {
            EXPECT_TRUE(alerts.Shown(c.alert, c.argument));
        }
        EXPECT_EQ(rig.sampler.ObjectList().Records().size(), c.sent ? 6u : 3u);
        if (c.sent) {
            const auto* sent = rig.sampler.FindSample(CA3000Transfer::SampleName(c.bank, 1));
            ASSERT_TRUE(sent);
            EXPECT_EQ(sent->parameters.Data()[CA3000SampleParameters::kPan], c.alert ? 64 : 20);
        }
    }
}

TEST(A3000Transfer, PitchModeTransposesTheBankAndTunesTheSamples)
{
    A3000Rig rig({0, 4000});
    rig.loop->Settings().pitchMode = true;
    rig.loop->Settings().newTempo = rig.loop->Settings().Tempo(rig.loop->Sound()) * 3 / 2;
    CSliceRenderSet slices(rig.loop->Sound(), rig.loop->Slices(), rig.loop->Settings());
    TransmitRequest request;
    request.sysexId = kDevice;
    request.programName = "Fast";
    rig.transfer.Transmit(slices, request, rig.progress);
    const TranspositionSplit split = SplitTransposition(slices.Transposition());
    ASSERT_EQ(split.semitones, 7);
    EXPECT_EQ(rig.sampler.FindBank("Fast")->Transposition(), 7);
    const auto* sample = rig.sampler.FindSample(CA3000Transfer::SampleName("Fast", 0));
    EXPECT_EQ(sample->parameters.Format().fineTune, CA3000SampleParameters::RoundFineTune(split.cents));
}

TEST(A3000Transfer, InjectedFaultsEndInTheirAlerts)
{
    const struct {
        const char* what;
        bool receive;
        std::function<void(CSimulatedYamahaSampler&)> arm;
        ResourceId alert;
        bool badFormat;  // refused as not well formed (not by its checksum)
    } cases[] = {
        {"bulk protect on", false, [](auto& s) { s.SetBulkProtect(true); }, Res::kAlertA3000BankInconsistent, false},
        {"one sample lost", false, [](auto& s) { s.InjectFault(Fault::kLoseDump, 1); },
         Res::kAlertA3000BankInconsistent, false},
        {"the bank lost", false, [](auto& s) { s.InjectFault(Fault::kLoseDump, 3); },
         Res::kAlertA3000BankInconsistent, false},
        {"silent object list", false, [](auto& s) { s.InjectFault(Fault::kSilent); }, Res::kAlertMIDICommunication,
         false},
        {"bad checksum in the list", false, [](auto& s) { s.InjectFault(Fault::kBadChecksum); },
         Res::kAlertMIDICommunication, false},
        {"bad head of the check", false, [](auto& s) { s.InjectFault(Fault::kBadHead, 1); },
         Res::kAlertMIDICommunication, false},
        {"wave data of another sample", true, [](auto& s) { s.InjectFault(Fault::kOtherName, 1); },
         Res::kAlertMIDICommunication, false},
        {"block longer than counted", true, [](auto& s) { s.InjectFault(Fault::kLongBlock); },
         Res::kAlertMIDICommunication, true},
        {"wave data stop", true, [](auto& s) { s.InjectFault(Fault::kStopWaveData); }, Res::kAlertMIDICommunication,
         false},
        {"bad wave checksum", true, [](auto& s) { s.InjectFault(Fault::kBadChecksum, 1); },
         Res::kAlertMIDICommunication, false},
        {"SCSI start aborted", false, {}, Res::kAlertOperationRejected, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        A3000Rig rig({0, 100, 2700}, 8000, !c.arm);
        rig.sampler.Store(CSimulatedYamahaSampler::MakeSample("Long", 44100, std::vector<std::int16_t>(3000, -7)));
        if (c.arm)
            c.arm(rig.sampler);
        else
            rig.bus.InjectFault(kSCSIId, {SimulatedSCSIFault::Kind::kCheckCondition, 0x0B});
        AlertRecorder alerts;
        const std::exception_ptr failure = FailureOf([&] {
            if (c.receive)
                rig.transfer.Receive({kDevice, 1}, rig.progress);
            else
                rig.Transmit();
        });
        EXPECT_TRUE(alerts.shown.empty());
        ASSERT_TRUE(failure);
        EXPECT_EQ(TransferFailureAlert(failure), c.alert);
        if (c.badFormat) {
            EXPECT_THROW(std::rethrow_exception(failure), XA3000ReceivedInvalidSysex);
        }
    }
}

TEST(A3000Transfer, AStopAfterSomeSamplesWarnsOfLooseSamples)
{
    RecordingPresenter presenter;
    A3000Rig rig;
    AlertRecorder alerts;
    rig.progress.ShowNow();
    // Stop once the first sample is stored.
    std::function<void()> pressOnceStored = [&] {
        if (presenter.window && !rig.sampler.ObjectList().Records().empty())
            presenter.window->pressed = true;
        else
            rig.clock.Schedule(rig.clock.Milliseconds() + 1, pressOnceStored);
    };
    pressOnceStored();
    EXPECT_EQ(rig.Run([&] { rig.Transmit(); }), TransferOutcome::kStopped);
    EXPECT_TRUE(alerts.Shown(Res::kAlertA3000LeftoverSamples));
    EXPECT_EQ(rig.sampler.ObjectList().Records().size(), 1u);  // the one whole sample, no bank
}

TEST(A3000Transfer, NinetyThreeSlicesOfferTheFirstNinetyTwo)
{
    std::vector<std::uint32_t> points;
    for (std::uint32_t i = 0; i < 93; ++i)
        points.push_back(i * 20);
    A3000Rig rig(points, 93 * 20);
    AlertRecorder alerts;
    rig.Transmit();
    EXPECT_EQ(alerts.Count(Res::kAlertTooManySlices), 0);  // a printf script: checked by its text
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.Message(0).find("93 slices"), std::string::npos);
    EXPECT_EQ(rig.sampler.FindBank("Break")->Members().size(), 92u);
    EXPECT_EQ(rig.sampler.FindBank("Break")->Members().back().lowKey, 127);
}
