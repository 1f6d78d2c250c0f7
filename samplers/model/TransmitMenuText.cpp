#include "samplers/model/TransmitMenuText.h"

#include "framework/resources/ResourceScripts.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CPseudoSamplerClass.h"

namespace {

ResourceId PseudoSamplerLabel(std::uint32_t typeId)
{
    switch (typeId) {
    case CPseudoSamplerClass::kNewWindow: return Res::kStringOpenSlicesInNewWindows;
    case CPseudoSamplerClass::kSampleCell: return Res::kStringExportAsSampleCell;
    case CPseudoSamplerClass::kSoundFont: return Res::kStringExportAsSoundFont;
    case CPseudoSamplerClass::kSFZKit: return Res::kStringExportAsSFZKit;
    default: return Res::kStringExportAsMixman;
    }
}

}  // namespace

std::string TransmitMenuText(const CInstalledSampler& sampler)
{
    const CABCSupportedSampler& type = sampler.Type();
    if (!type.CanTransmit())
        return GetResourceString(Res::kStringTransmitNotAvailable);
    if (IsPseudoSampler(type.Kind()))
        return GetResourceString(PseudoSamplerLabel(type.TypeId()));
    return GetResourceString(Res::kStringTransmitToSampler) + sampler.Name();
}
