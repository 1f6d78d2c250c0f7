#pragma once
// Receives one sample from an SMDI sampler: its header, a packet length
// proposed in whole frames and confirmed by the sampler, then one data
// packet per request.
#include <cstdint>

#include "samplers/transfer/CABCSampleReceiver.h"

class CSMDI;

class CSMDIReceiver : public CABCSampleReceiver {
public:
    static constexpr std::uint32_t kMinPacketFrames = 16;
    static constexpr std::uint32_t kMaxPacketFrames = 65536;

    // `framesPerPacket`: the packet size to propose, kept within 16 … 65536.
    CSMDIReceiver(CSMDI& smdi, std::uint32_t sampleNumber, std::uint32_t framesPerPacket)
        : fSMDI(smdi), fSampleNumber(sampleNumber), fWish(framesPerPacket)
    {
    }

    // Raises the header request's exceptions, XSMDITransferRejected when the
    // sampler refuses the transfer, and XSMDIUnsupportedPacketLength when its
    // packet length is not whole frames, at least one, at most what was
    // proposed.
    void Begin(SampleFormat& format, FrameWidth& width) override;
    // Raises XSMDIPacketRejected, XSMDIUnexpectedMessage,
    // XSMDIInvalidPacketLength or XSMDIUnexpectedPacketIndex when the
    // sampler does not send the packet asked for.
    void ReceiveChunk(void* destination, std::uint32_t count) override;
    // Aborts the procedure and waits for the sampler to acknowledge.
    void Cancel() override;

    std::uint32_t PacketLength() const { return fPacketLength; }

private:
    CSMDI& fSMDI;
    std::uint32_t fSampleNumber;
    std::uint32_t fWish;
    FrameWidth fWidth = FrameWidth::k16;
    std::size_t fBytesPerWord = 2;
    std::size_t fFrameBytes = 2;
    std::uint32_t fPacketLength = 0;
    std::uint32_t fNextPacket = 0;
};
