#include "samplers/sds/CSDSTransmitter.h"

#include "framework/exceptions/SamplerExceptions.h"

CSDSTransmitter::CSDSTransmitter(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel,
                                 std::uint16_t sampleNumber, std::int64_t timeout)
    : fLink(input, output, channel, timeout), fSampleNumber(sampleNumber)
{
}

FrameWidth CSDSTransmitter::Begin(const SampleFormat& format)
{
    const SDS::Header header = SDS::HeaderOf(format, fSampleNumber);
    fLink.Send(SDS::DumpHeader(fLink.Channel(), header));
    fBits = header.bits;
    fPacket = 0;
    fPacketSent = false;
    fLastPacket.clear();
    Start(format.length, SDS::WordsPerPacket(fBits));
    return SDS::FrameWidthOf(fBits);
}

SDS::Handshake CSDSTransmitter::AwaitHandshake()
{
    const SDS::Bytes reply = fLink.AwaitReply();
    if (!SDS::IsHandshake(reply))
        throw XSDSUnexpectedSysex();
    const SDS::Handshake handshake = SDS::ParseHandshake(reply);
    if (handshake.type != SDS::kACK && handshake.type != SDS::kNAK)
        throw XSDSUnexpectedSysex();
    return handshake;
}

void CSDSTransmitter::CollectAcknowledgement()
{
    if (!fPacketSent) {
        if (AwaitHandshake().type != SDS::kACK)
            throw XSDSUnexpectedSysex();
        fPacketSent = true;
        return;
    }
    SDS::Handshake handshake = AwaitHandshake();
    if (handshake.packet != fPacket)
        throw XSDSInvalidPacketIndex();
    if (handshake.type == SDS::kNAK) {
        fLink.SendUnflushed(fLastPacket);
        handshake = AwaitHandshake();
        if (handshake.type == SDS::kNAK)
            throw XSDSNotAcknowledged();
        if (handshake.packet != fPacket)
            throw XSDSInvalidPacketIndex();
    }
    fPacket = (fPacket + 1) & 0x7F;
}

void CSDSTransmitter::SendChunk(const void* frames, std::uint32_t count)
{
    try {
        // The header's acknowledgement, or the last packet's.
        CollectAcknowledgement();
        if (FramesRemaining() == 0) {
            End();
            return;
        }
        fLastPacket = SDS::DataPacket(fLink.Channel(), fPacket, fBits, frames, count);
        fLink.SendUnflushed(fLastPacket);
        CountSent(count);
    } catch (const XExternalDeviceRejected&) {
        End();
        throw;
    }
}

void CSDSTransmitter::Cancel()
{
    fLink.CancelExchange(fPacket);
    End();
}
