#pragma once
// A simulated Ensoniq sampler as far as its identification goes: on its
// channel it acknowledges the on-line test.
#include "simulators/CSimulatedInstrument.h"

class CSimulatedEnsoniqSampler : public CSimulatedInstrument {
public:
    explicit CSimulatedEnsoniqSampler(std::uint8_t channel);
    ~CSimulatedEnsoniqSampler() override;

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;

private:
    std::uint8_t fChannel;
};
