#pragma once
// A simulated Yamaha sampler as far as its identification goes:
// on its device number it answers the Universal Identity Request with its
// identity reply; on the SCSI bus its INQUIRY names its maker and model.
#include "samplers/identification/UniversalIdentity.h"
#include "simulators/CSimulatedInstrument.h"

class CSimulatedIdentitySampler : public CSimulatedInstrument {
public:
    CSimulatedIdentitySampler(const UniversalIdentity::Reply& reply, SimulatedIdentity scsi);
    ~CSimulatedIdentitySampler() override;

    // An A3000.
    static std::unique_ptr<CSimulatedIdentitySampler> Yamaha(std::uint8_t device, std::array<std::uint8_t, 4> version);

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;

private:
    UniversalIdentity::Reply fReply;
};
