#include "simulators/CSimulatedSMDITarget.h"

#include <algorithm>

#include "samplers/smdi/SMDIWords.h"

namespace {

// Rejection codes: the message was not understood, the sample or the
// procedure it names does not exist, the sampler cannot take it.
constexpr std::uint16_t kRejectNotUnderstood = 0x0001;
constexpr std::uint16_t kRejectNoSuchSample = 0x0020;
constexpr std::uint16_t kRejectRefused = 0x0021;

std::uint32_t LengthOf(const SCSICommandBlock& command)
{
    return (std::uint32_t{command[2]} << 16) | (std::uint32_t{command[3]} << 8) | command[4];
}

}  // namespace

CSimulatedSMDITarget::Sample CSimulatedSMDITarget::Sample::Of16Bit(const std::string& name, std::uint32_t rate,
                                                                 const std::vector<std::int16_t>& frames,
                                                                 std::uint8_t channels)
{
    Sample sample;
    sample.header.name = name;
    sample.header.channels = channels;
    sample.header.period = 1000000000 / rate;
    sample.header.length = static_cast<std::uint32_t>(frames.size() / channels);
    sample.header.loopEnd = sample.header.length;
    sample.words.resize(frames.size() * 2);
    SMDIWords::Encode(frames.data(), FrameWidth::k16, frames.size(), 2, sample.words.data());
    return sample;
}

const CSimulatedSMDITarget::Sample* CSimulatedSMDITarget::Find(std::uint32_t number) const
{
    const auto found = fSamples.find(number);
    return found == fSamples.end() ? nullptr : &found->second;
}

std::vector<std::int16_t> CSimulatedSMDITarget::Frames(std::uint32_t number) const
{
    const Sample* sample = Find(number);
    if (!sample)
        return {};
    const std::size_t bytesPerWord = SMDIWords::BytesPerWord(sample->header.bits);
    std::vector<std::int16_t> frames(bytesPerWord ? sample->words.size() / bytesPerWord : 0);
    SMDIWords::Decode(sample->words.data(), frames.size(), bytesPerWord, FrameWidth::k16, frames.data());
    return frames;
}

std::optional<SCSIResult> CSimulatedSMDITarget::AnswerSMDI(const SCSICommandBlock& command, SCSIDirection direction,
                                                          std::uint8_t* data, std::uint32_t length,
                                                          std::uint32_t& moved)
{
    const std::uint32_t declared = LengthOf(command);
    if (command.OperationCode() == kOpSend && direction == SCSIDirection::kOut) {
        if (const std::optional<SMDIMessage> message = SMDIMessage::Parse(data, std::min(declared, length)))
            Receive(*message);
        else
            Reply(SMDI::Reject(kRejectNotUnderstood, 0));
        return SCSIResult::Of(SCSIResult::kGood);
    }
    if (command.OperationCode() == kOpReceive && direction == SCSIDirection::kIn) {
        if (fReplies.empty())
            return SCSIResult::FixedSense(5, 0x2C);  // illegal request: command sequence error
        const std::vector<std::uint8_t> reply = std::move(fReplies.front());
        fReplies.pop_front();
        moved = std::min<std::uint32_t>({static_cast<std::uint32_t>(reply.size()), length, declared});
        std::copy_n(reply.begin(), moved, data);
        return SCSIResult::Of(SCSIResult::kGood);
    }
    return std::nullopt;
}

void CSimulatedSMDITarget::Receive(const SMDIMessage& message)
{
    if (message.IsAbort()) {
        fProcedure = Procedure::kNone;
        Reply(SMDI::Reply(SMDIMessage::kAcknowledge));
    } else if (message.Is(SMDIMessage::kSampleHeaderRequest)) {
        ReceiveHeaderRequest(message.Number24(0));
    } else if (message.id == SMDIMessage::kSampleHeader) {
        ReceiveHeader(message);
    } else if (message.Is(SMDIMessage::kBeginSampleTransfer) && message.data.size() >= 6) {
        ReceiveBeginTransfer(message.Number24(0), message.Number24(3));
    } else if (message.IsDataPacket()) {
        ReceiveDataPacket(message);
    } else if (message.IsSendNextPacket()) {
        ReceivePacketRequest(message.Number24(0));
    } else if (message.Is(SMDIMessage::kDeleteSample)) {
        ReceiveDelete(message.Number24(0));
    } else {
        End(SMDI::Reject(kRejectNotUnderstood, 0));
    }
}

void CSimulatedSMDITarget::ReceiveHeaderRequest(std::uint32_t number)
{
    const Sample* sample = Find(number);
    if (!sample || Take(Fault::kRejectHeaderRequest))
        return End(SMDI::Reject(kRejectNoSuchSample, 0));
    CSMDIExtendedSampleHeader header = sample->header;
    header.sampleNumber = number;
    fProcedure = Procedure::kHeaderSent;
    fNumber = number;
    Reply(header.Message());
}

void CSimulatedSMDITarget::ReceiveHeader(const SMDIMessage& message)
{
    const std::unique_ptr<CSMDISampleHeader> header = CSMDISampleHeader::Read(message);
    if (!header || header->sampleNumber < fFirst || header->sampleNumber > fLast || !FrameBytes(*header) ||
        Take(Fault::kRejectTransfer))
        return End(SMDI::Reject(kRejectRefused, 0));
    fIncoming = Sample{};
    static_cast<CSMDISampleHeader&>(fIncoming.header) = *header;
    if (header->IsExtended())
        fIncoming.header = static_cast<const CSMDIExtendedSampleHeader&>(*header);
    fNumber = header->sampleNumber;
    fProcedure = Procedure::kAwaitingBegin;
    Reply(SMDI::TransferAcknowledge(fNumber, fOfferedLength.value_or(fPacketLength)));
}

void CSimulatedSMDITarget::ReceiveBeginTransfer(std::uint32_t number, std::uint32_t packetLength)
{
    if (number != fNumber || packetLength == 0)
        return End(SMDI::Reject(kRejectRefused, 0));
    fNextPacket = 0;
    if (fProcedure == Procedure::kAwaitingBegin) {
        if (packetLength > fOfferedLength.value_or(fPacketLength))
            return End(SMDI::Reject(kRejectRefused, 0));
        fAgreedLength = packetLength;
        fProcedure = Procedure::kTaking;
        AskForPacketOrEnd();
    } else if (fProcedure == Procedure::kHeaderSent) {
        fAgreedLength = fOfferedLength.value_or(std::min(packetLength, fPacketLength));
        fProcedure = fSamples[number].words.empty() ? Procedure::kNone : Procedure::kSending;
        Reply(SMDI::TransferAcknowledge(number, fAgreedLength));
    } else {
        End(SMDI::Reject(kRejectRefused, 0));
    }
}

void CSimulatedSMDITarget::ReceiveDataPacket(const SMDIMessage& message)
{
    const std::size_t size = message.data.size() - 3;
    if (fProcedure != Procedure::kTaking || message.Number24(0) != fNextPacket || size == 0 || size > fAgreedLength)
        return End(SMDI::Reject(kRejectRefused, 0));
    const std::size_t total = std::size_t{fIncoming.header.length} * FrameBytes(fIncoming.header);
    const std::size_t taken = std::min(size, total - fIncoming.words.size());
    fIncoming.words.insert(fIncoming.words.end(), message.data.begin() + 3,
                           message.data.begin() + 3 + static_cast<std::ptrdiff_t>(taken));
    ++fNextPacket;
    AskForPacketOrEnd();
}

void CSimulatedSMDITarget::AskForPacketOrEnd()
{
    const std::size_t total = std::size_t{fIncoming.header.length} * FrameBytes(fIncoming.header);
    if (fIncoming.words.size() >= total) {
        End(SMDI::Reply(SMDIMessage::kEndOfProcedure));
        return;
    }
    if (Take(Fault::kAbort))
        return End(SMDI::AbortProcedure());
    if (Take(Fault::kRejectPacket))
        return End(SMDI::Reject(kRejectRefused, 0));
    Reply(SMDI::SendNextPacket(fNextPacket + (Take(Fault::kWrongPacketNumber) ? 1 : 0)));
}

void CSimulatedSMDITarget::ReceivePacketRequest(std::uint32_t packet)
{
    const Sample* sample = fProcedure == Procedure::kSending ? Find(fNumber) : nullptr;
    const std::size_t offset = std::size_t{packet} * fAgreedLength;
    if (!sample || packet != fNextPacket || offset >= sample->words.size() || Take(Fault::kRejectPacket))
        return End(SMDI::Reject(kRejectRefused, 0));
    if (Take(Fault::kAbort))
        return End(SMDI::AbortProcedure());
    const std::size_t end = std::min(offset + fAgreedLength, sample->words.size());
    std::vector<std::uint8_t> words(sample->words.begin() + static_cast<std::ptrdiff_t>(offset),
                                    sample->words.begin() + static_cast<std::ptrdiff_t>(end));
    if (Take(Fault::kWrongPacketSize))
        words.pop_back();
    ++fNextPacket;
    if (end == sample->words.size())
        fProcedure = Procedure::kNone;
    Reply(SMDI::DataPacket(packet + (Take(Fault::kWrongPacketNumber) ? 1 : 0), words));
}

void CSimulatedSMDITarget::ReceiveDelete(std::uint32_t number)
{
    if (!fSamples.erase(number))
        return End(SMDI::Reject(kRejectNoSuchSample, 0));
    End(SMDI::Reply(SMDIMessage::kEndOfProcedure));
}

void CSimulatedSMDITarget::End(SMDIMessage reply)
{
    if (reply.IsEndOfProcedure()) {
        if (Take(Fault::kRejectEnd))
            reply = SMDI::Reject(kRejectRefused, 0);
        else if (Take(Fault::kAbort))
            reply = SMDI::AbortProcedure();
        else if (fProcedure == Procedure::kTaking)
            fSamples[fNumber] = fIncoming;
    }
    fProcedure = Procedure::kNone;
    Reply(reply);
}

void CSimulatedSMDITarget::Reply(const SMDIMessage& message)
{
    for (; fWaits > 0; --fWaits)
        fReplies.push_back(SMDI::Reply(SMDIMessage::kWait).Bytes());
    std::vector<std::uint8_t> bytes = message.Bytes();
    if (Take(Fault::kInvalidMessage))
        bytes[3] = 'X';
    fReplies.push_back(std::move(bytes));
}

bool CSimulatedSMDITarget::Take(Fault fault)
{
    const auto found =
        std::find_if(fFaults.begin(), fFaults.end(), [fault](const Armed& armed) { return armed.fault == fault; });
    if (found == fFaults.end())
        return false;
    if (found->after-- > 0)
        return false;
    fFaults.erase(found);
    return true;
}

std::size_t CSimulatedSMDITarget::FrameBytes(const CSMDISampleHeader& header) const
{
    return SMDIWords::BytesPerWord(header.bits) * header.channels;
}
