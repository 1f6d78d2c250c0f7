#include "simulators/CSimulatedIdentitySampler.h"

#include "samplers/identification/YamahaIdentification.h"

namespace {

std::string RevisionOf(const std::array<std::uint8_t, 4>& digits)
{
    const CVersion version = UniversalIdentity::DigitsVersion(digits);
    return version.Text().substr(1);
}

}  // namespace

CSimulatedIdentitySampler::CSimulatedIdentitySampler(const UniversalIdentity::Reply& reply, SimulatedIdentity scsi)
    : CSimulatedInstrument(std::move(scsi)), fReply(reply)
{
}

CSimulatedIdentitySampler::~CSimulatedIdentitySampler()
{
    Disconnect();
}

std::unique_ptr<CSimulatedIdentitySampler> CSimulatedIdentitySampler::Yamaha(std::uint8_t device,
                                                                             std::array<std::uint8_t, 4> version)
{
    const UniversalIdentity::Reply reply{device, YamahaIdentification::kManufacturer, YamahaIdentification::kFamily,
                                         YamahaIdentification::kA3000, version};
    return std::make_unique<CSimulatedIdentitySampler>(reply, SimulatedIdentity{"YAMAHA", "A3000", RevisionOf(version)});
}

void CSimulatedIdentitySampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    if (message == UniversalIdentity::Request(fReply.device))
        SendSysex(UniversalIdentity::ReplyBytes(fReply), kAnswerDelay);
}
