#include "simulators/CSimulatedEMUSampler.h"

#include "samplers/identification/EMUIdentification.h"

CSimulatedEMUSampler::CSimulatedEMUSampler(std::uint32_t typeId, CVersion version)
    : CSimulatedInstrument({"E-mu", EMUIdentification::ProductName(typeId), version.Text().substr(1)}),
      CSimulatedSMDITarget(kFirstSample, kLastSample)
{
}

CSimulatedEMUSampler::~CSimulatedEMUSampler()
{
    Disconnect();
}

SCSIResult CSimulatedEMUSampler::OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction,
                                               std::uint8_t* data, std::uint32_t length, std::uint32_t& moved)
{
    if (const std::optional<SCSIResult> answer = AnswerSMDI(command, direction, data, length, moved))
        return *answer;
    return CSimulatedInstrument::OnSCSICommand(command, direction, data, length, moved);
}
