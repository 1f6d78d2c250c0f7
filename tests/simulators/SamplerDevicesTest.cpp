// The sampler search and verification over real port lists and a bus
// table, against the simulated samplers, in virtual time.
#include <gtest/gtest.h>

#include "devices/midi/CLoopbackCable.h"
#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/scsi/CSimulatedSCSIBus.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/time/CClockScope.h"
#include "framework/time/CManualClock.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/search/CABCFoundSamplerQuestion.h"
#include "samplers/search/CSamplerFinder.h"
#include "samplers/search/CSamplerVerifier.h"
#include "simulators/CSimulatedSamplerRack.h"
#include "tests/support/AlertRecorder.h"

namespace {

class TakeNone : public CABCFoundSamplerQuestion {
public:
    bool Ask(const CInstalledSampler&, ResourceId, const CInstalledSamplerList&) override { return false; }
};

class SamplerDevicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rack.ConnectMIDI({SamplerFamily::kAKAI, SamplerFamily::kKurzweil, SamplerFamily::kYamaha,
                          SamplerFamily::kRoland, SamplerFamily::kEMU, SamplerFamily::kEnsoniq, SamplerFamily::kSDS},
                         ports);
        rack.ConnectSCSI(buses);
    }

    std::vector<std::uint32_t> TypesFound()
    {
        const CInstalledSamplerList found = finder.FindSamplers(true, true);
        std::vector<std::uint32_t> ids;
        for (std::uint16_t i = 0; i < found.Count(); ++i)
            ids.push_back(found.At(i).Type().TypeId());
        return ids;
    }

    CManualClock clock{1000};
    CClockScope scope{clock};
    AlertRecorder alerts;
    CMIDIPortLists ports;
    CSCSIBusTable buses;
    CSimulatedSamplerRack rack;
    CSamplerDevices devices{ports, buses};
    CSupportedSamplerRegistry types{devices.Identification()};
    TakeNone question;
    CSamplerFinder finder{types, devices, question};
    CSamplerVerifier verifier{finder};
};

}  // namespace

TEST_F(SamplerDevicesTest, SearchFindsEverySimulatedSamplerThatAnswersAScan)
{
    EXPECT_EQ(rack.InstrumentCount(), 9u);
    EXPECT_EQ(ports.OutputCount(), 8);
    // The AKAI answers as an S3000 and then tells its exact model.
    EXPECT_EQ(TypesFound(), (std::vector<std::uint32_t>{4150, 4000, 4100, 1000, 6000, 2000, 4151, 1002, 6002, 5131}));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(SamplerDevicesTest, FoundSamplersVerifyAndOtherAddressesDoNot)
{
    const CInstalledSamplerList found = finder.FindSamplers(true, true);
    for (std::uint16_t i = 0; i < found.Count(); ++i) {
        CInstalledSampler& sampler = found.At(i);
        EXPECT_TRUE(verifier.VerifySampler(sampler)) << sampler.Name();
        EXPECT_EQ(sampler.FoundOS().IsUnknown(), sampler.Type().TypeId() == 2000) << sampler.Name();
    }
    CInstalledSampler asr10(*types.Find(3020));  // added by hand
    asr10.SetMIDIIn(6);
    asr10.SetMIDIOut(6);
    EXPECT_TRUE(verifier.VerifySampler(asr10));
    // The Sample Dump Standard asks nothing: ports that open verify it.
    CInstalledSampler sds(*types.Find(kSDSTypeId));
    sds.SetMIDIIn(7);
    sds.SetMIDIOut(7);
    EXPECT_TRUE(verifier.VerifySampler(sds));
    EXPECT_TRUE(sds.FoundOS().IsUnknown());

    struct Case {
        const char* name;
        std::uint16_t index;
        std::function<void(CInstalledSampler&)> change;
        ResourceId alert;
    };
    const Case cases[] = {
        {"K2000 on another SysEx ID", 3, [](CInstalledSampler& s) { s.SetSysexID(5); }, Res::kAlertMIDICommunication},
        {"S3000XL on the K2000's cable", 0, [](CInstalledSampler& s) { s.SetMIDIOut(3), s.SetMIDIIn(3); },
         Res::kAlertMIDICommunication},
        {"E4X at another ID", 9, [](CInstalledSampler& s) { s.SetSCSIID(6); }, 0},
        {"S3000XL over SCSI where the K2000 is", 6, [](CInstalledSampler& s) { s.SetSCSIID(3); }, 0},
    };
    for (const Case& c : cases) {
        alerts.shown.clear();
        CInstalledSampler& sampler = found.At(c.index);
        c.change(sampler);
        EXPECT_FALSE(verifier.VerifySampler(sampler)) << c.name;
        EXPECT_EQ(alerts.shown.size(), c.alert ? 1u : 0u) << c.name;
        EXPECT_TRUE(c.alert == 0 || alerts.Shown(c.alert)) << c.name;
    }
}

TEST_F(SamplerDevicesTest, BusyPortsAndFailingTargetsAreReported)
{
    CMIDIPortLists busy;
    CSamplerDevices busyDevices(busy, buses);
    std::shared_ptr<CLoopbackCable> cable = busy.AddLoopbackPair("Taken cable");
    cable->SetOpenFails(true);
    CInstalledSampler s760(*types.Find(2000));
    EXPECT_THROW(busyDevices.Identification().Identify(s760), XFailedOpeningMIDIPort);
    EXPECT_TRUE(alerts.Shown(Res::kAlertMIDIInPortBusy, "Taken cable"));
    busyDevices.ScanMIDI();
    EXPECT_TRUE(alerts.Shown(Res::kAlertSearchIncomplete));

    auto& bus = dynamic_cast<CSimulatedSCSIBus&>(*buses.BusAt(0));
    bus.InjectFault(5, {SimulatedSCSIFault::Kind::kTimeOut}, 2);
    const std::vector<SCSIFoundRecord> found = devices.ScanSCSI();
    EXPECT_EQ(found.size(), 3u);  // the E4X's ID times out and is skipped

    using State = CABCConnectionDirectory::SCSITarget::State;
    EXPECT_EQ(devices.InquireSCSITarget(0, 7).state, State::kHostAdapter);
    EXPECT_EQ(devices.InquireSCSITarget(0, 2).product, "S3000XL");
    EXPECT_EQ(devices.InquireSCSITarget(0, 0).state, State::kNotReady);
    EXPECT_EQ(devices.SCSIBusName(0).bus, "Simulated SCSI bus");
}
