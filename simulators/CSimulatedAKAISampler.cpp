#include "simulators/CSimulatedAKAISampler.h"

#include "samplers/identification/AKAIIdentification.h"

namespace {

// The model byte of the status: S1000, S1100, or the S3000 family answering
// as S3000 or (S2000 and S2800) as S2000.
std::uint8_t StatusModel(std::uint32_t typeId)
{
    switch (typeId) {
    case 4000: return AKAIIdentification::kModelS1000;
    case 4010: return AKAIIdentification::kModelS1100;
    case 4110:
    case 4130: return AKAIIdentification::kModelS2000;
    default: return AKAIIdentification::kModelS3000;
    }
}

}  // namespace

CSimulatedAKAISampler::CSimulatedAKAISampler(std::uint32_t typeId, const std::string& product, std::uint8_t channel,
                                             CVersion version)
    : CSimulatedInstrument({"AKAI", product, version.Text().substr(1)}), fTypeId(typeId), fChannel(channel),
      fVersion(version)
{
}

CSimulatedAKAISampler::~CSimulatedAKAISampler()
{
    Disconnect();
}

void CSimulatedAKAISampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    if (message == AKAIIdentification::StatusRequest(fChannel))
        SendSysex(AKAIIdentification::StatusReply(fChannel, StatusModel(fTypeId), fVersion), kAnswerDelay);
    else if (message == AKAIIdentification::ModelRequest(fChannel) && StatusModel(fTypeId) >= AKAIIdentification::kModelS3000)
        SendSysex(AKAIIdentification::ModelReply(fChannel, fTypeId), kAnswerDelay);
}
