#include "simulators/CSimulatedRolandSampler.h"

#include <algorithm>

#include "samplers/identification/RolandIdentification.h"

CSimulatedRolandSampler::CSimulatedRolandSampler(std::uint8_t device)
    : CSimulatedInstrument({"Roland", "S-760", ""}), fDevice(device)
{
}

CSimulatedRolandSampler::~CSimulatedRolandSampler()
{
    Disconnect();
}

void CSimulatedRolandSampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    if (message != RolandIdentification::Request(fDevice))
        return;
    std::array<std::uint8_t, RolandIdentification::kIdentityBytes> identity{};
    const std::string text = "S-760 Simulated Sampler";
    std::copy(text.begin(), text.end(), identity.begin());
    SendSysex(RolandIdentification::ReplyBytes(fDevice, identity), kAnswerDelay);
}
