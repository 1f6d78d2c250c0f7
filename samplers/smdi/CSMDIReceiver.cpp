#include "samplers/smdi/CSMDIReceiver.h"

#include <algorithm>

#include "framework/exceptions/Exceptions.h"
#include "samplers/smdi/CSMDI.h"
#include "samplers/smdi/CSMDISampleHeader.h"
#include "samplers/smdi/SMDIProcedures.h"
#include "samplers/smdi/SMDIWords.h"

namespace {

// A data packet's data: the packet number and the words.
constexpr std::uint32_t kPacketNumberBytes = 3;

}  // namespace

void CSMDIReceiver::Begin(SampleFormat& format, FrameWidth& width)
{
    format = SMDIProcedures::RequestHeader(fSMDI, fSampleNumber)->Format();
    fWidth = width = SMDIWords::WidthFor(format.bits);
    fBytesPerWord = SMDIWords::BytesPerWord(format.bits);
    fFrameBytes = fBytesPerWord * format.channels;
    fNextPacket = 0;

    // A packet must fit the message's 24-bit length.
    const std::size_t room = (SMDIMessage::kMaxDataLength - kPacketNumberBytes) / fFrameBytes;
    const std::size_t frames = std::min<std::size_t>(std::clamp(fWish, kMinPacketFrames, kMaxPacketFrames), room);
    if (frames == 0)
        throw XSMDIUnsupportedPacketLength();
    const auto proposed = static_cast<std::uint32_t>(frames * fFrameBytes);
    fSMDI.SendMessage(SMDI::BeginSampleTransfer(fSampleNumber, proposed));
    const SMDIMessage acknowledge = fSMDI.AwaitMessage(SMDIProcedures::kAcknowledgeLength);
    if (acknowledge.IsReject())
        throw XSMDITransferRejected();
    if (!acknowledge.IsTransferAcknowledge())
        throw XSMDIUnexpectedMessage();
    fPacketLength = acknowledge.Number24(3);
    if (fPacketLength < fFrameBytes || fPacketLength > proposed || fPacketLength % fFrameBytes != 0)
        throw XSMDIUnsupportedPacketLength();
    Start(format.length, static_cast<std::uint32_t>(fPacketLength / fFrameBytes));
    if (format.length == 0)
        End();
}

void CSMDIReceiver::ReceiveChunk(void* destination, std::uint32_t count)
{
    count = std::min(count, NextChunkSize());
    fSMDI.SendMessage(SMDI::SendNextPacket(fNextPacket));
    const SMDIMessage packet = fSMDI.AwaitMessage(SMDIMessage::kHeaderLength + kPacketNumberBytes + fPacketLength);
    if (packet.IsReject())
        throw XSMDIPacketRejected();
    if (!packet.IsDataPacket())
        throw XSMDIUnexpectedMessage();
    // A full packet, or the last one holding just the frames left.
    const std::size_t bytes = packet.data.size() - kPacketNumberBytes;
    const std::size_t left = std::size_t{FramesRemaining()} * fFrameBytes;
    if (bytes != fPacketLength && bytes != left)
        throw XSMDIInvalidPacketLength();
    if (packet.Number24(0) != fNextPacket)
        throw XSMDIUnexpectedPacketIndex();
    SMDIWords::Decode(packet.data.data() + kPacketNumberBytes, std::size_t{count} * (fFrameBytes / fBytesPerWord),
                      fBytesPerWord, fWidth, destination);
    ++fNextPacket;
    CountReceived(count);
    if (FramesRemaining() == 0)
        End();
}

void CSMDIReceiver::Cancel()
{
    End();
    SMDIProcedures::Close(fSMDI);
}
