#include "samplers/sds/CSDSReceiver.h"

#include "framework/exceptions/SamplerExceptions.h"

CSDSReceiver::CSDSReceiver(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel,
                           std::uint16_t sampleNumber, std::int64_t timeout)
    : fLink(input, output, channel, timeout), fSampleNumber(sampleNumber)
{
}

void CSDSReceiver::Begin(SampleFormat& format, FrameWidth& width)
{
    fLink.Send(SDS::DumpRequest(fLink.Channel(), fSampleNumber));
    const SDS::Bytes reply = fLink.AwaitReply();
    if (!SDS::IsDumpHeader(reply))
        throw XSDSUnexpectedSysex();
    format = SDS::FormatOf(SDS::ParseHeader(reply));
    fBits = format.bits;
    width = SDS::FrameWidthOf(fBits);
    fExpected = 0;
    fLink.SendHandshake(SDS::kACK, 0, false);
    Start(format.length, SDS::WordsPerPacket(fBits));
}

SDS::Bytes CSDSReceiver::ReadPacket()
{
    SDS::Bytes packet = fLink.AwaitReply();
    if (!SDS::IsDataPacket(packet))
        throw XSDSUnexpectedSysex();
    if (packet[4] != fExpected)
        throw XSDSInvalidPacketIndex();
    if (packet[SDS::kPacketLength - 2] != SDS::Checksum(packet))
        throw XSDSChecksumError();
    return packet;
}

void CSDSReceiver::ReceiveChunk(void* destination, std::uint32_t count)
{
    SDS::Bytes packet;
    try {
        try {
            packet = ReadPacket();
        } catch (const XExternalDeviceRejected&) {
            throw;
        } catch (const XExternalDeviceException&) {
            fLink.SendHandshake(SDS::kNAK, fExpected, true);
            packet = ReadPacket();
        }
    } catch (const XExternalDeviceRejected&) {
        End();
        throw;
    }
    fLink.SendHandshake(SDS::kACK, packet[4], false);
    CountReceived(count);
    SDS::UnpackWords(packet, fBits, destination, count);
    fExpected = (packet[4] + 1) & 0x7F;
    if (FramesRemaining() == 0)
        End();
}

void CSDSReceiver::Cancel()
{
    fLink.CancelExchange(fExpected);
    End();
}
