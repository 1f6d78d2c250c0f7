#pragma once
// Transfers with an E-mu sampler over SCSI: each slice goes out as one
// sample, numbered from the start sample number asked for (1 to 999) and
// named after the sample name asked for; a sample is received by its
// number. When a transmission fails or is stopped after samples went out,
// the user is told that those stay in the sampler.
#include <cstdint>

#include "samplers/emu/CEMUSCSIInterface.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

class CEMUTransfer : public CABCSamplerTransfer {
public:
    // The longest sample name an E-mu sampler shows.
    static constexpr std::size_t kNameLength = 16;
    static constexpr const char* kDefaultName = "New Sample";
    // Frames per packet the receiver proposes.
    static constexpr std::uint32_t kReceivePacketFrames = 8192;

    explicit CEMUTransfer(const SCSIDevice& device) : fInterface(device) {}

    int SliceLimit() const override { return static_cast<int>(CEMUSCSIInterface::kLastSample); }
    std::uint32_t FirstSampleNumber() const override { return CEMUSCSIInterface::kFirstSample; }
    std::uint32_t LastSampleNumber() const override { return CEMUSCSIInterface::kLastSample; }
    // XInternalError for a start sample number outside 1 … 999.
    void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                  CLengthyOperation& progress) override;
    // XInternalError for a sample number outside 1 … 999.
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) override;

    // The name of sample `index` of `count` sent under `base` ("New Sample"
    // when empty): the base alone for one sample, else numbered from 1
    // within 16 characters.
    static std::string SampleName(const std::string& base, int index, int count);

private:
    CEMUSCSIInterface fInterface;
};
