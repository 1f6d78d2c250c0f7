#pragma once
// A simulated E-mu sampler on the simulated SCSI bus. Its INQUIRY names its
// model and OS; over SMDI it keeps samples numbered 1 to 999 (see
// CSimulatedSMDITarget).
#include "samplers/model/CVersion.h"
#include "simulators/CSimulatedInstrument.h"
#include "simulators/CSimulatedSMDITarget.h"

class CSimulatedEMUSampler : public CSimulatedInstrument, public CSimulatedSMDITarget {
public:
    static constexpr std::uint32_t kFirstSample = 1;
    static constexpr std::uint32_t kLastSample = 999;

    // An E-mu sampler of the type (5001 ... 5221) with that OS version.
    CSimulatedEMUSampler(std::uint32_t typeId, CVersion version);
    ~CSimulatedEMUSampler() override;

protected:
    SCSIResult OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                             std::uint32_t length, std::uint32_t& moved) override;
};
