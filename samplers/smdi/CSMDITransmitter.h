#pragma once
// Sends one sample to an SMDI sampler: the sample header, the sampler's
// offer of a packet length, the begin of the transfer with that length in
// whole frames, then one data packet per request of the sampler, until it
// ends the procedure. CSMDIExtendedTransmitter sends the extended header.
#include <cstdint>
#include <memory>

#include "samplers/transfer/CABCSampleTransmitter.h"

class CSMDI;
class CSMDISampleHeader;

class CSMDITransmitter : public CABCSampleTransmitter {
public:
    // The most frames one packet carries, whatever the sampler offers.
    static constexpr std::uint32_t kMaxPacketFrames = 65536;

    CSMDITransmitter(CSMDI& smdi, std::uint32_t sampleNumber) : fSMDI(smdi), fSampleNumber(sampleNumber) {}

    // Raises XSMDITransferRejected when the sampler refuses the sample, and
    // XSMDIUnsupportedPacketLength when its packets hold no whole frame.
    FrameWidth Begin(const SampleFormat& format) override;
    // Raises XSMDIPacketRejected, XSMDIAborted or XSMDIUnexpectedPacketIndex
    // when the sampler does not ask for the next packet; after the last
    // packet, XSMDIEOPRejected or XSMDIAborted when it does not end.
    void SendChunk(const void* frames, std::uint32_t count) override;
    // Aborts the procedure and waits for the sampler to acknowledge.
    void Cancel() override;

    std::uint32_t FramesPerPacket() const { return fFramesPerPacket; }

protected:
    virtual std::unique_ptr<CSMDISampleHeader> MakeHeader() const;

private:
    void AwaitPacketRequest();

    CSMDI& fSMDI;
    std::uint32_t fSampleNumber;
    FrameWidth fWidth = FrameWidth::k16;
    std::size_t fBytesPerWord = 2;
    std::uint8_t fChannels = 1;
    std::uint32_t fFramesPerPacket = 0;
    std::uint32_t fNextPacket = 0;
    bool fRequestDue = false;
};
