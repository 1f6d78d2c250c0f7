#pragma once
// Transfers with a Roland S-760 over MIDI: a transmission builds one patch
// over the slices (CS760LoopTransmission) at the S-760 rate at or above the
// one asked for; a sample is received by its number (0 to 511). The MIDI
// ports stay open while it lives.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "samplers/roland/CS760MIDIInterface.h"
#include "samplers/roland/S760AddressMap.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

class CSamplerMIDIConnection;

class CS760Transfer : public CABCSamplerTransfer {
public:
    CS760Transfer(std::unique_ptr<CSamplerMIDIConnection> connection, std::uint8_t sysexId);
    ~CS760Transfer() override;

    int SliceLimit() const override { return S760::kKeys; }
    std::uint32_t FirstSampleNumber() const override { return 0; }
    std::uint32_t LastSampleNumber() const override { return S760::kSampleCount - 1; }
    // The patch is named request.programName in patch name form (the
    // document's name when empty) and built on the patch request.templateName.
    void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                  CLengthyOperation& progress) override;
    // The patch built, its keys and the numbers of the samples sent.
    std::string TransmitReport() const override { return fReport; }
    // XInternalError for a number past 511, XSampleDoesNotExist for an
    // empty slot.
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) override;

    // The names of the patches in the sampler, for a choice of template.
    std::vector<std::string> PatchNames(CLengthyOperation& progress);
    // The samples in the sampler, stereo halves joined.
    std::vector<CS760FileList::Entry> Samples() { return fInterface.ListSamples(); }

private:
    std::unique_ptr<CSamplerMIDIConnection> fConnection;
    CS760MIDIInterface fInterface;
    std::string fReport;
};
