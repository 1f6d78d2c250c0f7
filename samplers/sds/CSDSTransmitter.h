#pragma once
// Sends one sample by the Sample Dump Standard: the Dump Header at Begin,
// then one Data Packet per SendChunk, each after the sampler acknowledged
// the one before (a NAK gets the packet once more). The call that finds no
// frames left collects the last acknowledgement and ends the transfer.
#include <cstdint>

#include "samplers/sds/CSDSLink.h"
#include "samplers/transfer/CABCSampleTransmitter.h"

class CSDSTransmitter : public CABCSampleTransmitter {
public:
    CSDSTransmitter(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel, std::uint16_t sampleNumber,
                    std::int64_t timeout);

    FrameWidth Begin(const SampleFormat& format) override;
    void SendChunk(const void* frames, std::uint32_t count) override;
    void Cancel() override;

private:
    // (acknowledged, packet number) of the handshake that came.
    SDS::Handshake AwaitHandshake();
    void CollectAcknowledgement();

    CSDSLink fLink;
    std::uint16_t fSampleNumber;
    std::uint8_t fPacket = 0;
    std::uint8_t fBits = 16;
    bool fPacketSent = false;
    SDS::Bytes fLastPacket;
};
