#include "samplers/model/CPseudoSamplerClass.h"

#include "samplers/model/CABCTransmitHost.h"

bool CPseudoSamplerClass::CanTransmit() const
{
    return Constants().canTransmit && TypeId() == kNewWindow;
}

void CPseudoSamplerClass::Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const
{
    if (CanTransmit())
        host.OpenSlicesInNewWindows(sampler);
}
