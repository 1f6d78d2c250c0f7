#pragma once
// A simulated K2000 on a loopback cable and a simulated SCSI bus, the
// program's transfer to it, a loop of three slices, the alerts and a
// virtual clock for every wait.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSimulatedSCSIBus.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/kurzweil/CK2000Keymap.h"
#include "samplers/kurzweil/CK2000Program.h"
#include "samplers/kurzweil/CK2000Transfer.h"
#include "samplers/smdi/CSMDI.h"
#include "simulators/CSimulatedKurzweilSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"

struct KurzweilRig {
    static constexpr std::uint16_t kDestination = 250;
    static constexpr std::uint8_t kSCSIId = 3;

    // Samples go by SMDI `overSCSI`, else by SDS.
    explicit KurzweilRig(bool overSCSI = false)
        : transfer(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0),
                   overSCSI ? std::optional<SCSIDevice>(CSMDI::DeviceAt(&bus, kSCSIId)) : std::nullopt)
    {
        sampler.ConnectMIDI(cable);
        sampler.ConnectSCSI(bus, kSCSIId);
    }
    // The frames of sample object `id` as they came by either way.
    std::vector<std::int16_t> SampleFrames(std::uint16_t id)
    {
        if (sampler.SMDISamples().Find(id))
            return sampler.SMDISamples().Frames(id);
        return sampler.Samples16(static_cast<std::uint16_t>(id - 1));
    }

    void Transmit(const std::string& templateId = "")
    {
        TransmitRequest request;
        request.programName = "LOOP";
        request.programId = kDestination;
        request.templateName = templateId;
        transfer.Transmit(slices, request, progress);
    }
    template <typename Object>
    Object Stored(Object object)
    {
        const auto found = sampler.Find(object.Object());
        EXPECT_TRUE(found);
        if (found)
            object.Read(found->data);
        return object;
    }
    // A program at `id` whose first keymap (ID `id` too) has `entry` at `key`
    // in every zone.
    void PutProgram(std::uint16_t id, int key, const CK2000Keymap::Entry& entry)
    {
        CK2000Keymap keymap(id, "OLD");
        *keymap.Find(0, key) = entry;
        sampler.Put({Kurzweil::kKeymap, id}, {"OLD", keymap.Data()});
        sampler.Put({Kurzweil::kProgram, id}, {"OLD", CK2000Program(id, "OLD", id).Data()});
    }
    bool Empty() const
    {
        return sampler.Ids(Kurzweil::kSample).empty() && sampler.Ids(Kurzweil::kKeymap).empty() &&
               sampler.Ids(Kurzweil::kProgram).empty();
    }

    InstalledClock clock{1000};
    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable = lists.AddLoopbackPair("K2000 cable");
    CSimulatedSCSIBus bus{"Test bus"};
    CSimulatedKurzweilSampler sampler{1, 0, {0, 3, 8, 7}};
    CK2000Transfer transfer;
    AlertRecorder alerts;
    CLengthyOperation progress{"Slices left:", "Stop"};
    std::unique_ptr<CLoopDocument> loop = MakeLoop(9000, 44100, {0, 2000, 5003});
    CSliceRenderSet slices{loop->Sound(), loop->Slices(), loop->Settings()};
};

