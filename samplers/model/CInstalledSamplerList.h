#pragma once
// The samplers the user has installed, in the order they were added, and
// which of them is selected (the target of Transmit). The list owns its
// samplers. The selection stays on the same sampler when others are removed;
// when the selected one goes, the one before it (or the first) is selected.
#include <cstdint>
#include <memory>
#include <vector>

#include "samplers/model/CInstalledSampler.h"

class CSupportedSamplerRegistry;

class CInstalledSamplerList {
public:
    static constexpr std::uint16_t kNotFound = 666;

    // Appends sampler; answers its index.
    std::uint16_t Add(std::unique_ptr<CInstalledSampler> sampler);
    std::uint16_t IndexOf(const CInstalledSampler& sampler) const;
    std::unique_ptr<CInstalledSampler> RemoveAt(std::uint16_t index);
    void Clear();
    // Empties the list and installs the pseudo-samplers of types, in their order.
    void InstallPseudoSamplers(const CSupportedSamplerRegistry& types);
    std::uint16_t Count() const { return static_cast<std::uint16_t>(fSamplers.size()); }
    CInstalledSampler& At(std::uint16_t index) const { return *fSamplers.at(index); }

    // Walks from the front and removes every later sampler of the same type
    // id as an earlier one; a removed selection moves to the one kept.
    void RemoveDoubles();

    // The selected sampler's index (0 in an empty list).
    std::uint16_t SelectedIndex() const { return fSelected; }
    CInstalledSampler* Selected() const;
    // An index beyond the list selects the first sampler.
    void Select(std::uint16_t index);

private:
    std::vector<std::unique_ptr<CInstalledSampler>> fSamplers;
    std::uint16_t fSelected = 0;
};
