#pragma once
// Transfers by the Sample Dump Standard alone, for any sampler that takes
// it: each slice goes out as one sample, numbered from the first sample
// number asked for, on the SysEx ID (SDS channel) asked for; a sample is
// received by its number. The MIDI ports stay open while it lives.
#include <cstdint>
#include <memory>

#include "samplers/transfer/CABCSamplerTransfer.h"

class CSamplerMIDIConnection;

class CSDSTransfer : public CABCSamplerTransfer {
public:
    // How long the sampler may take to answer, in milliseconds.
    static constexpr std::int64_t kReplyTimeout = 2000;
    static constexpr int kMostSlices = 1000;

    explicit CSDSTransfer(std::unique_ptr<CSamplerMIDIConnection> connection);
    ~CSDSTransfer() override;

    int SliceLimit() const override { return kMostSlices; }
    std::uint32_t FirstSampleNumber() const override { return 0; }
    std::uint32_t LastSampleNumber() const override;
    // XInternalError for a first sample number past the last.
    void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                  CLengthyOperation& progress) override;
    // XInternalError for a sample number past the last.
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) override;

private:
    std::unique_ptr<CSamplerMIDIConnection> fConnection;
};
