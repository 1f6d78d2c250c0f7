#pragma once
// A simulated AKAI sampler on a loopback cable or at SCSI ID 2 of a
// simulated bus, the program's AKAI transfer to it, and a virtual clock for
// every wait.
#include <memory>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSimulatedSCSIBus.h"
#include "framework/time/CClock.h"
#include "samplers/akai/CAKAIMIDICom.h"
#include "samplers/akai/CAKAISCSICom.h"
#include "samplers/akai/CAKAITransfer.h"
#include "samplers/akai/CS1000Interface.h"
#include "samplers/akai/CS3000Interface.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "simulators/CSimulatedAKAISampler.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/RecordingProgress.h"

// A simulated S3000 (or S1000) on a loopback cable or at SCSI ID 2, and
// the program's transfer to it.
struct AKAISamplerRig {
    static constexpr std::uint8_t kChannel = 0;
    static constexpr std::uint8_t kSCSIId = 2;

    explicit AKAISamplerRig(std::uint32_t typeId = 4100, bool overSCSI = false)
        : sampler(typeId, "S3000XL", kChannel, CVersion(2, 0))
    {
        std::unique_ptr<CABCAKAICom> com;
        if (overSCSI) {
            sampler.ConnectSCSI(bus, kSCSIId);
            com = std::make_unique<CAKAISCSICom>(SCSIDevice{&bus, kSCSIId, 8000}, kChannel);
        } else {
            sampler.ConnectMIDI(lists.AddLoopbackPair("AKAI cable"));
            com = std::make_unique<CAKAIMIDICom>(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0), kChannel);
        }
        if (typeId == 4000)
            transfer = std::make_unique<CAKAITransfer>(std::make_unique<CS1000Interface>(std::move(com)));
        else
            transfer = std::make_unique<CAKAITransfer>(std::make_unique<CS3000Interface>(std::move(com)));
    }

    // Stop is pressed `after` milliseconds from now.
    void PressStop(RecordingPresenter& presenter, std::int64_t after)
    {
        CClock::Current().Schedule(CClock::Current().Milliseconds() + after, [&presenter] {
            if (presenter.window)
                presenter.window->pressed = true;
        });
    }

    InstalledClock clock{1000};
    CMIDIPortLists lists;
    CSimulatedSCSIBus bus{"Test bus"};
    CSimulatedAKAISampler sampler;
    std::unique_ptr<CAKAITransfer> transfer;
};

