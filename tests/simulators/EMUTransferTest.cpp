// Transmitting a sliced loop to the simulated E-mu sampler and receiving it
// back through the transfer the program opens for an installed E-mu, with
// the slice limit of the sample numbers, the user's Stop, and the warning
// that samples already sent stay in the sampler.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/exceptions/TransferFailureAlert.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/devices/OpenSamplerTransfer.h"
#include "samplers/emu/CEMUTransfer.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/model/SamplerFamily.h"
#include "simulators/CSimulatedSamplerRack.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/SMDISamplerRig.h"

namespace {

constexpr std::uint8_t kRackId = 5;  // where the rack puts its E-mu

// A loop of three slices, and the progress a transfer of them reports to.
struct ThreeSlices {
    std::unique_ptr<CLoopDocument> loop = MakeLoop(9000, 44100, {0, 2000, 5003});
    CSliceRenderSet slices{loop->Sound(), loop->Slices(), loop->Settings()};
    CLengthyOperation progress{"Slices left:", "Stop"};
};

TransmitRequest Request(std::uint32_t first)
{
    TransmitRequest request;
    request.sampleName = "New Sample";
    request.firstSampleNumber = first;
    return request;
}

bool Warned(const AlertRecorder& alerts)
{
    return std::any_of(alerts.shown.begin(), alerts.shown.end(), [](const std::string& alert) {
        return alert.find("Some samples were not Transmitted!") != std::string::npos;
    });
}

}  // namespace

TEST(EMUTransfer, SlicesGoToTheRacksEMUAndComeBack)
{
    InstalledClock clock(1000);
    CMIDIPortLists ports;
    CSCSIBusTable buses;
    CSimulatedSamplerRack rack;
    rack.ConnectMIDI({SamplerFamily::kEMU}, ports);
    rack.ConnectSCSI(buses);
    CSamplerDevices devices(ports, buses);
    const CSupportedSamplerRegistry types(devices.Identification());
    CInstalledSampler e4x(*types.Find(5131));
    e4x.SetSCSIID(kRackId);
    ASSERT_TRUE(HasTransferProtocol(5131));
    ASSERT_TRUE(e4x.Type().CanTransmit());
    const std::unique_ptr<CABCSamplerTransfer> transfer = OpenSamplerTransfer(e4x, ports, buses);
    ASSERT_TRUE(transfer);

    ThreeSlices loop;
    CLengthyOperation& progress = loop.progress;
    transfer->Transmit(loop.slices, Request(7), progress);
    for (int k = 0; k < 3; ++k) {
        const ReceivedSample back = transfer->Receive({0, 7 + static_cast<std::uint32_t>(k)}, progress);
        EXPECT_EQ(back.samples, SamplesOf(*loop.slices.Render(k))) << k;
        EXPECT_EQ(back.format.name, "New Sample " + std::to_string(k + 1));
        EXPECT_EQ(back.format.rate, 44100u);
    }
    const ReceivedSample held = transfer->Receive({0, 1}, progress);
    EXPECT_EQ(held.format.name, "Simulated Tom");
    EXPECT_EQ(held.Frames(), 600u);
    EXPECT_THROW(transfer->Receive({0, 1000}, progress), XInternalError);
    EXPECT_THROW(transfer->Transmit(loop.slices, Request(0), progress), XInternalError);
}

TEST(EMUTransfer, SampleNumbersEndAt999)
{
    SMDISamplerRig rig;
    AlertRecorder alerts(kAlertButtonSlot0);  // OK: send the first slices
    ThreeSlices loop;
    CEMUTransfer(rig.Device()).Transmit(loop.slices, Request(998), loop.progress);
    ASSERT_EQ(alerts.shown.size(), 1u);  // too many slices
    EXPECT_EQ(rig.sampler.SampleCount(), 2u);
    EXPECT_TRUE(rig.sampler.Find(999));
    EXPECT_EQ(CEMUTransfer::SampleName("Kick", 0, 1), "Kick");
    EXPECT_EQ(CEMUTransfer::SampleName("", 1, 2), "New Sample 2");
    EXPECT_EQ(CEMUTransfer::SampleName("A very long sample name", 11, 12), "A very long s 12");
}

TEST(EMUTransfer, FailuresAndStopsAfterTheFirstSampleWarnThatSamplesStay)
{
    const struct {
        const char* name;
        bool stop;
        int refusedSample;  // -1: none
        bool warned;
    } cases[] = {{"first refused", false, 0, false}, {"second refused", false, 1, true}, {"stopped", true, -1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SMDISamplerRig rig;
        AlertRecorder alerts;
        RecordingPresenter presenter;
        presenter.pressAtOnce = c.stop;
        if (c.refusedSample >= 0)
            rig.sampler.InjectFault(CSimulatedEMUSampler::Fault::kRejectTransfer, c.refusedSample);
        ThreeSlices loop;
        loop.progress.ShowNow();
        const std::exception_ptr failure =
            FailureOf([&] { CEMUTransfer(rig.Device()).Transmit(loop.slices, Request(1), loop.progress); });
        ASSERT_TRUE(failure);
        EXPECT_EQ(TransferFailureAlert(failure),
                  c.stop ? std::nullopt : std::optional<ResourceId>(Res::kAlertOperationRejected));
        EXPECT_EQ(Warned(alerts), c.warned);
        EXPECT_EQ(rig.sampler.SampleCount(), c.refusedSample > 0 ? 1u : 0u);
    }
}
