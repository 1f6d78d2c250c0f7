#pragma once
// The transfers of one sampler family on one open connection, as the
// transmit and receive dialogs and the batch tool drive them. A family
// implements this, and OpenSamplerTransfer (samplers/devices) makes it for
// an installed sampler of the family's types. Failures raise the exceptions
// of the transfer ladder (TransferFailureAlert); a stop by the user raises
// XSampleTransmitCancelled.
#include <cstdint>
#include <string>
#include <vector>

#include "samplers/transfer/ReceivedSample.h"

class CLengthyOperation;
class CSliceRenderSet;

// What the transmit dialog asked; each family reads the fields it uses.
struct TransmitRequest {
    std::uint8_t sysexId = 0;             // the SysEx ID (SDS channel) to send on
    std::uint32_t firstSampleNumber = 0;  // the number of the first sample sent
    std::string sampleName;               // the samples' base name
    std::uint32_t sampleRate = 0;         // 0: the document's rate
    // For the families that build a program (patch, instrument, bank) over
    // the samples sent:
    std::string programName;   // the program's name; empty: the family's default
    std::string templateName;  // a program in the sampler to build from; empty: none
    std::int32_t programId = -1;  // the program's number or ID; -1: the family chooses
};

// Which sample the receive dialog asked for.
struct ReceiveRequest {
    std::uint8_t sysexId = 0;
    std::uint32_t sampleNumber = 0;
};

class CABCSamplerTransfer {
public:
    virtual ~CABCSamplerTransfer() = default;

    // The most samples one transmission may send.
    virtual int SliceLimit() const = 0;
    // The lowest and the highest sample number the family addresses.
    virtual std::uint32_t FirstSampleNumber() const = 0;
    virtual std::uint32_t LastSampleNumber() const = 0;
    // Sends the sounds of `slices` (each output one sample, in order) as
    // `request` says, with progress and Stop on `progress`. More sounds than
    // SliceLimit() are cut after the user agrees (LimitSlices).
    virtual void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                          CLengthyOperation& progress) = 0;
    // What the last Transmit built and where (e.g. 'program "LOOP" with 12
    // keygroups'); empty from the families that number the samples from the
    // request's first sample number and build nothing else.
    virtual std::string TransmitReport() const { return {}; }
    // Fetches one sample.
    virtual ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) = 0;
    // The programs in the sampler a transmission may start from (its
    // templates); empty when the family builds on none.
    virtual std::vector<std::string> ProgramNames() { return {}; }
    // The samples in the sampler, by number from FirstSampleNumber(); empty
    // when the family cannot list them.
    virtual std::vector<std::string> SampleNames() { return {}; }
};
