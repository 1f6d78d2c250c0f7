#pragma once
// A simulated E-mu sampler at ID 5 of a simulated bus, the program's SMDI
// link to it, and a virtual clock for every wait.
#include <exception>
#include <functional>

#include "devices/scsi/CSimulatedSCSIBus.h"
#include "samplers/smdi/CSMDI.h"
#include "simulators/CSimulatedEMUSampler.h"
#include "tests/support/InstalledClock.h"

struct SMDISamplerRig {
    static constexpr std::uint8_t kId = 5;

    SMDISamplerRig() { sampler.ConnectSCSI(bus, kId); }

    SCSIDevice Device() { return CSMDI::DeviceAt(&bus, kId); }
    // How many commands of this operation reached the sampler.
    std::size_t CommandsOf(std::uint8_t operation) const
    {
        std::size_t count = 0;
        for (const CInstrumentTrace::Entry& entry : sampler.Trace().Entries())
            count += entry.kind == CInstrumentTrace::Kind::kSCSICommand && entry.bytes[0] == operation;
        return count;
    }

    InstalledClock clock{1000};
    CSimulatedSCSIBus bus{"Test bus"};
    CSimulatedEMUSampler sampler{5131, CVersion(4, 10)};
    CSMDI smdi{Device()};
};

// What `run` throws; null when it returns.
inline std::exception_ptr FailureOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}
