#pragma once
// A pseudo-sampler: a destination inside the program (new document
// windows) or a file export, listed with the samplers. It needs no
// connection and is always verified. Of the four, opening the slices in new
// windows is built; the three file exports are not available yet.
#include "samplers/model/CABCSupportedSampler.h"

class CPseudoSamplerClass : public CABCSupportedSampler {
public:
    static constexpr std::uint32_t kNewWindow = 1;
    static constexpr std::uint32_t kSampleCell = 8;
    static constexpr std::uint32_t kSoundFont = 16;
    static constexpr std::uint32_t kMixman = 24;

    using CABCSupportedSampler::CABCSupportedSampler;

    bool CanTransmit() const override;
    void Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const override;
    bool Verify(CInstalledSampler&) const override { return true; }
};
