#pragma once
// A pseudo-sampler: a destination inside the program (new document
// windows) or a file export (SampleCell instrument, SoundFont bank, Mixman
// track, SFZ kit), listed with the samplers. It needs no connection and is
// always verified; its Transmit opens the host's window or dialog for it.
#include "samplers/model/CABCSupportedSampler.h"

class CPseudoSamplerClass : public CABCSupportedSampler {
public:
    static constexpr std::uint32_t kNewWindow = 1;
    static constexpr std::uint32_t kSampleCell = 8;
    static constexpr std::uint32_t kSoundFont = 16;
    static constexpr std::uint32_t kMixman = 24;
    static constexpr std::uint32_t kSFZKit = 32;
    // Preference files number the first four pseudo-samplers before the
    // stored samplers and any later one after them, so that files written
    // before the SFZ kit keep their selection.
    static constexpr std::uint16_t kFirstPseudoSamplers = 4;

    using CABCSupportedSampler::CABCSupportedSampler;

    bool CanTransmit() const override;
    void Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const override;
    bool Verify(CInstalledSampler&) const override { return true; }
};
