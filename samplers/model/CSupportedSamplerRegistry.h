#pragma once
// One object per supported sampler type, made at start-up in the table's
// order and kept until the program ends.
#include <cstdint>
#include <memory>
#include <vector>

#include "samplers/model/CABCSupportedSampler.h"

class CABCSamplerIdentification;

class CSupportedSamplerRegistry {
public:
    // identification: how hardware types verify their samplers.
    explicit CSupportedSamplerRegistry(CABCSamplerIdentification& identification);

    std::size_t Count() const { return fTypes.size(); }
    const CABCSupportedSampler& At(std::size_t index) const { return *fTypes.at(index); }
    // The type with that id, or nullptr.
    const CABCSupportedSampler* Find(std::uint32_t typeId) const;

private:
    std::vector<std::unique_ptr<CABCSupportedSampler>> fTypes;
};
