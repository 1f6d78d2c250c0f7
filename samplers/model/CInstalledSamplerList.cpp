#include "samplers/model/CInstalledSamplerList.h"

#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"

std::uint16_t CInstalledSamplerList::Add(std::unique_ptr<CInstalledSampler> sampler)
{
    fSamplers.push_back(std::move(sampler));
    return static_cast<std::uint16_t>(fSamplers.size() - 1);
}

std::uint16_t CInstalledSamplerList::IndexOf(const CInstalledSampler& sampler) const
{
    for (std::uint16_t i = 0; i < Count(); ++i)
        if (fSamplers[i].get() == &sampler)
            return i;
    return kNotFound;
}

std::unique_ptr<CInstalledSampler> CInstalledSamplerList::RemoveAt(std::uint16_t index)
{
    std::unique_ptr<CInstalledSampler> removed = std::move(fSamplers.at(index));
    fSamplers.erase(fSamplers.begin() + index);
    if (index < fSelected || (index == fSelected && fSelected > 0))
        --fSelected;
    return removed;
}

void CInstalledSamplerList::Clear()
{
    fSamplers.clear();
    fSelected = 0;
}

void CInstalledSamplerList::InstallPseudoSamplers(const CSupportedSamplerRegistry& types)
{
    Clear();
    for (std::size_t i = 0; i < types.Count(); ++i)
        if (types.At(i).Kind() == ConnectionKind::kNone)
            Add(std::make_unique<CInstalledSampler>(types.At(i)));
}

void CInstalledSamplerList::RemoveDoubles()
{
    for (std::uint16_t kept = 0; kept < Count(); ++kept) {
        const std::uint32_t typeId = fSamplers[kept]->Type().TypeId();
        for (std::uint16_t later = Count(); later-- > kept + 1;) {
            if (fSamplers[later]->Type().TypeId() != typeId)
                continue;
            const bool wasSelected = later == fSelected;
            RemoveAt(later);
            if (wasSelected)
                fSelected = kept;
        }
    }
}

CInstalledSampler* CInstalledSamplerList::Selected() const
{
    return fSelected < Count() ? fSamplers[fSelected].get() : nullptr;
}

void CInstalledSamplerList::Select(std::uint16_t index)
{
    fSelected = index < Count() ? index : 0;
}
