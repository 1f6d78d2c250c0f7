#include "simulators/CSimulatedIdentitySampler.h"

#include "samplers/identification/KurzweilIdentification.h"
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

std::unique_ptr<CSimulatedIdentitySampler> CSimulatedIdentitySampler::Kurzweil(std::uint16_t member,
                                                                               std::uint8_t device,
                                                                               std::array<std::uint8_t, 4> version)
{
    const UniversalIdentity::Reply reply{device, KurzweilIdentification::kManufacturer, KurzweilIdentification::kFamily,
                                         member, version};
    const char* product = member == KurzweilIdentification::kK2000 ? "K2000" : "K2500";
    return std::make_unique<CSimulatedIdentitySampler>(reply, SimulatedIdentity{"Kurzweil", product, RevisionOf(version)});
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
