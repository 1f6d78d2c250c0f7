#include "samplers/model/CHardwareSamplerClass.h"

#include "samplers/model/CABCSamplerIdentification.h"
#include "samplers/model/CInstalledSampler.h"

CHardwareSamplerClass::CHardwareSamplerClass(const SupportedSamplerConstants& constants,
                                             CABCSamplerIdentification& identification)
    : CABCSupportedSampler(constants), fIdentification(identification)
{
}

bool CHardwareSamplerClass::Verify(CInstalledSampler& sampler) const
{
    const std::optional<CVersion> found = fIdentification.Identify(sampler);
    if (!found)
        return false;
    sampler.SetFoundOS(*found);
    return true;
}
