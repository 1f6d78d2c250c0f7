#pragma once
// An E-mu sampler over SCSI: SMDI with the extended header, samples
// numbered 1 to 999, rates of its own and samples of at least 10 frames.
#include <vector>

#include "samplers/smdi/CSMDIExtendedSamplerInterface.h"

class CEMUSCSIInterface : public CSMDIExtendedSamplerInterface {
public:
    static constexpr std::uint32_t kFirstSample = 1;
    static constexpr std::uint32_t kLastSample = 999;
    static constexpr std::uint32_t kShortestSample = 10;

    using CSMDIExtendedSamplerInterface::CSMDIExtendedSamplerInterface;

    // The rate becomes the first of 48000, 44100, 32000, 22050, 11025 and
    // 8000 equal to it, else the lowest of them above it, else 48000; a
    // shorter sample is lengthened to 10 frames; then what a header carries.
    void AdjustFormat(SampleFormat& format) const override;

    // The rates an E-mu sampler plays, from the highest.
    static const std::vector<std::uint32_t>& Rates();
    // The first of them equal to `rate`, else the lowest above it, else 48000.
    static std::uint32_t RateFor(std::uint32_t rate);

    std::string FamilyLabel() const override { return "E-mu SCSI"; }
    std::uint32_t FirstSampleNumber() const override { return kFirstSample; }
    std::uint32_t LastSampleNumber() const override { return kLastSample; }
};
