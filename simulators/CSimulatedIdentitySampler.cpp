#include "simulators/CSimulatedIdentitySampler.h"

CSimulatedIdentitySampler::CSimulatedIdentitySampler(const UniversalIdentity::Reply& reply, SimulatedIdentity scsi)
    : CSimulatedInstrument(std::move(scsi)), fReply(reply)
{
}

CSimulatedIdentitySampler::~CSimulatedIdentitySampler()
{
    Disconnect();
}

void CSimulatedIdentitySampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    if (message == UniversalIdentity::Request(fReply.device))
        SendSysex(UniversalIdentity::ReplyBytes(fReply), kAnswerDelay);
}
