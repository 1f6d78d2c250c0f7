#include "simulators/CSimulatedEnsoniqSampler.h"

#include "samplers/identification/EnsoniqIdentification.h"

namespace {

constexpr std::uint16_t kAcknowledged = 0;

}  // namespace

CSimulatedEnsoniqSampler::CSimulatedEnsoniqSampler(std::uint8_t channel)
    : CSimulatedInstrument({"ENSONIQ", "ASR-10", ""}), fChannel(channel)
{
}

CSimulatedEnsoniqSampler::~CSimulatedEnsoniqSampler()
{
    Disconnect();
}

void CSimulatedEnsoniqSampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    if (message == EnsoniqIdentification::OnlineTest(fChannel))
        SendSysex(EnsoniqIdentification::Response(fChannel, kAcknowledged), kAnswerDelay);
}
