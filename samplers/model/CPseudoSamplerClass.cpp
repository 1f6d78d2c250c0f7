#include "samplers/model/CPseudoSamplerClass.h"

#include "samplers/model/CABCTransmitHost.h"

bool CPseudoSamplerClass::CanTransmit() const
{
    return Constants().canTransmit && (TypeId() == kNewWindow || TypeId() == kSFZKit);
}

void CPseudoSamplerClass::Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const
{
    if (!CanTransmit())
        return;
    if (TypeId() == kSFZKit)
        host.ExportSFZKit();
    else
        host.OpenSlicesInNewWindows(sampler);
}
