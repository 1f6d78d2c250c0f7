#pragma once
// A sampler model reached over MIDI, SCSI or both. It is found, installed
// and verified through its family's identification requests. Transmit and
// receive are available for the families whose transfer protocol the
// program has; Transmit opens the family's transmit dialog through the host.
#include "samplers/model/CABCSupportedSampler.h"

class CABCSamplerIdentification;

class CHardwareSamplerClass : public CABCSupportedSampler {
public:
    CHardwareSamplerClass(const SupportedSamplerConstants& constants, CABCSamplerIdentification& identification);

    bool CanTransmit() const override;
    bool CanReceive() const override;
    void Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const override;
    bool Verify(CInstalledSampler& sampler) const override;

private:
    CABCSamplerIdentification& fIdentification;
};
