#include "samplers/model/CHardwareSamplerClass.h"

#include "samplers/model/CABCSamplerIdentification.h"
#include "samplers/model/CABCTransmitHost.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/SamplerFamily.h"

CHardwareSamplerClass::CHardwareSamplerClass(const SupportedSamplerConstants& constants,
                                             CABCSamplerIdentification& identification)
    : CABCSupportedSampler(constants), fIdentification(identification)
{
}

bool CHardwareSamplerClass::CanTransmit() const
{
    return Constants().canTransmit && HasTransferProtocol(TypeId());
}

bool CHardwareSamplerClass::CanReceive() const
{
    return Constants().canReceive && HasTransferProtocol(TypeId());
}

void CHardwareSamplerClass::Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const
{
    if (CanTransmit())
        host.TransmitToSampler(sampler);
}

bool CHardwareSamplerClass::Verify(CInstalledSampler& sampler) const
{
    const std::optional<CVersion> found = fIdentification.Identify(sampler);
    if (!found)
        return false;
    sampler.SetFoundOS(*found);
    return true;
}
