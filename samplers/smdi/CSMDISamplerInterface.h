#pragma once
// A sampler reached by SMDI, as the transfers use it: its samples' headers,
// receivers and transmitters by sample number, deletion, the format it
// takes, and the numbers it addresses. CSMDIExtendedSamplerInterface sends
// the extended header.
#include <cstdint>
#include <memory>
#include <string>

#include "samplers/smdi/CSMDI.h"
#include "samplers/transfer/SampleFormat.h"

class CSMDIReceiver;
class CSMDISampleHeader;
class CSMDITransmitter;

class CSMDISamplerInterface {
public:
    explicit CSMDISamplerInterface(const SCSIDevice& device) : fSMDI(device) {}
    virtual ~CSMDISamplerInterface() = default;
    CSMDISamplerInterface(const CSMDISamplerInterface&) = delete;
    CSMDISamplerInterface& operator=(const CSMDISamplerInterface&) = delete;

    // The format of sample `number`, read with its header alone.
    SampleFormat GetSampleHeader(std::uint32_t number);
    std::unique_ptr<CSMDIReceiver> MakeReceiver(std::uint32_t number, std::uint32_t framesPerPacket);
    virtual std::unique_ptr<CSMDITransmitter> MakeTransmitter(std::uint32_t number);
    void DeleteSample(std::uint32_t number);
    // Makes `format` what the sampler takes: here, what a header carries.
    virtual void AdjustFormat(SampleFormat& format) const;

    virtual std::string FamilyLabel() const { return "SMDI"; }
    virtual std::uint32_t FirstSampleNumber() const { return 0; }
    virtual std::uint32_t LastSampleNumber() const { return SMDIMessage::kMaxDataLength; }

    CSMDI& Link() { return fSMDI; }

protected:
    virtual std::unique_ptr<CSMDISampleHeader> MakeHeader() const;

private:
    CSMDI fSMDI;
};
