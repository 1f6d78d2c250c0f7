#pragma once
// A simulated Roland S-760 as far as its identification goes: on its device
// number it answers the request for its identity area with the area's data.
#include "simulators/CSimulatedInstrument.h"

class CSimulatedRolandSampler : public CSimulatedInstrument {
public:
    explicit CSimulatedRolandSampler(std::uint8_t device);
    ~CSimulatedRolandSampler() override;

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;

private:
    std::uint8_t fDevice;
};
