#pragma once
// An SMDI sampler that takes the extended sample header.
#include "samplers/smdi/CSMDISamplerInterface.h"

class CSMDIExtendedSamplerInterface : public CSMDISamplerInterface {
public:
    using CSMDISamplerInterface::CSMDISamplerInterface;

    std::unique_ptr<CSMDITransmitter> MakeTransmitter(std::uint32_t number) override;

protected:
    std::unique_ptr<CSMDISampleHeader> MakeHeader() const override;
};
