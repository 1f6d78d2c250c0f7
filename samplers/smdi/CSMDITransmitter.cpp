#include "samplers/smdi/CSMDITransmitter.h"

#include <algorithm>
#include <vector>

#include "framework/exceptions/Exceptions.h"
#include "samplers/smdi/CSMDI.h"
#include "samplers/smdi/CSMDISampleHeader.h"
#include "samplers/smdi/SMDIProcedures.h"
#include "samplers/smdi/SMDIWords.h"

namespace {

// The longest packet request.
constexpr std::uint32_t kRequestLength = 15;

}  // namespace

std::unique_ptr<CSMDISampleHeader> CSMDITransmitter::MakeHeader() const
{
    return std::make_unique<CSMDISampleHeader>();
}

FrameWidth CSMDITransmitter::Begin(const SampleFormat& format)
{
    if (format.channels == 0 || format.bits == 0)
        throw XInternalError();
    fWidth = SMDIWords::WidthFor(format.bits);
    fBytesPerWord = SMDIWords::BytesPerWord(format.bits);
    fChannels = format.channels;
    fNextPacket = 0;
    fRequestDue = false;

    const std::unique_ptr<CSMDISampleHeader> header = MakeHeader();
    header->Describe(format);
    header->sampleNumber = fSampleNumber;
    fSMDI.SendMessage(header->Message());
    const SMDIMessage offer = fSMDI.AwaitMessage(SMDIProcedures::kAcknowledgeLength);
    if (offer.IsReject())
        throw XSMDITransferRejected();
    if (!offer.IsTransferAcknowledge())
        throw XSMDIUnexpectedMessage();

    // Whole frames, at least one; a longer offer is taken only in part.
    const std::size_t frameBytes = fBytesPerWord * fChannels;
    fFramesPerPacket = static_cast<std::uint32_t>(std::min<std::size_t>(offer.Number24(3) / frameBytes, kMaxPacketFrames));
    if (fFramesPerPacket == 0)
        throw XSMDIUnsupportedPacketLength();
    fSMDI.SendMessage(SMDI::BeginSampleTransfer(fSampleNumber, static_cast<std::uint32_t>(fFramesPerPacket * frameBytes)));
    Start(format.length, fFramesPerPacket);
    fRequestDue = true;
    if (format.length == 0) {
        fRequestDue = false;
        End();
        SMDIProcedures::AwaitEnd(fSMDI);
    }
    return fWidth;
}

void CSMDITransmitter::SendChunk(const void* frames, std::uint32_t count)
{
    count = std::min(count, NextChunkSize());
    try {
        AwaitPacketRequest();
        const std::size_t words = std::size_t{count} * fChannels;
        std::vector<std::uint8_t> bytes(words * fBytesPerWord);
        SMDIWords::Encode(frames, fWidth, words, fBytesPerWord, bytes.data());
        fSMDI.SendMessage(SMDI::DataPacket(fNextPacket++, bytes));
        CountSent(count);
        if (FramesRemaining() > 0) {
            fRequestDue = true;
            return;
        }
        End();
        SMDIProcedures::AwaitEnd(fSMDI);
    } catch (...) {
        End();
        throw;
    }
}

void CSMDITransmitter::Cancel()
{
    if (!IsActive())
        return;
    End();
    if (fRequestDue)
        fSMDI.AwaitMessage(kRequestLength);
    SMDIProcedures::Close(fSMDI);
}

void CSMDITransmitter::AwaitPacketRequest()
{
    fRequestDue = false;
    const SMDIMessage request = fSMDI.AwaitMessage(kRequestLength);
    if (request.IsReject())
        throw XSMDIPacketRejected();
    if (request.IsAbort())
        throw XSMDIAborted();
    if (!request.IsSendNextPacket())
        throw XSMDIUnexpectedMessage();
    if (request.Number24(0) != fNextPacket)
        throw XSMDIUnexpectedPacketIndex();
}
