#pragma once
// A sampler model reached over MIDI, SCSI or both. It is found, installed
// and verified through its family's identification requests; transmitting
// to it needs its family's transfer protocol, which this program does not
// have yet, so Transmit is not available.
#include "samplers/model/CABCSupportedSampler.h"

class CABCSamplerIdentification;

class CHardwareSamplerClass : public CABCSupportedSampler {
public:
    CHardwareSamplerClass(const SupportedSamplerConstants& constants, CABCSamplerIdentification& identification);

    bool CanTransmit() const override { return false; }
    void Transmit(CInstalledSampler&, CABCTransmitHost&) const override {}
    bool Verify(CInstalledSampler& sampler) const override;

private:
    CABCSamplerIdentification& fIdentification;
};
