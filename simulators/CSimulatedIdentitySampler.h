#pragma once
// A simulated sampler as far as the Universal Identity goes: on its device
// number it answers the Universal Identity Request with its identity reply;
// on the SCSI bus its INQUIRY names its maker and model. Families that
// identify this way build on it.
#include "samplers/identification/UniversalIdentity.h"
#include "simulators/CSimulatedInstrument.h"

class CSimulatedIdentitySampler : public CSimulatedInstrument {
public:
    CSimulatedIdentitySampler(const UniversalIdentity::Reply& reply, SimulatedIdentity scsi);
    ~CSimulatedIdentitySampler() override;

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;

private:
    UniversalIdentity::Reply fReply;
};
