#include "samplers/model/CABCSupportedSampler.h"

#include "framework/resources/ResourceScripts.h"

std::string CABCSupportedSampler::Name() const
{
    return GetResourceString(fConstants.name);
}

bool CABCSupportedSampler::HasNotes() const
{
    return fConstants.notes != Res::kStringNotApplicable;
}

std::string CABCSupportedSampler::Notes() const
{
    return HasNotes() ? GetResourceString(fConstants.notes) : std::string();
}

bool CABCSupportedSampler::IsTooOld(const CVersion& found) const
{
    return !found.IsUnknown() && found < fConstants.requiredOS;
}
