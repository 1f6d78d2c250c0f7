#include "samplers/smdi/SMDIMessage.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kSignature[4] = {'S', 'M', 'D', 'I'};

}  // namespace

std::vector<std::uint8_t> SMDIMessage::Bytes() const
{
    const std::size_t length = std::min<std::size_t>(data.size(), kMaxDataLength);
    std::vector<std::uint8_t> bytes(kSignature, kSignature + 4);
    bytes.reserve(kHeaderLength + length);
    SMDI::PutNumber(bytes, id, 2);
    SMDI::PutNumber(bytes, subId, 2);
    SMDI::PutNumber(bytes, static_cast<std::uint32_t>(length), 3);
    bytes.insert(bytes.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length));
    return bytes;
}

std::optional<SMDIMessage> SMDIMessage::Parse(const std::uint8_t* bytes, std::size_t count)
{
    if (count < kHeaderLength || std::memcmp(bytes, kSignature, 4) != 0)
        return std::nullopt;
    const std::uint32_t length = SMDI::GetNumber(bytes + 8, 3);
    if (kHeaderLength + length != count)
        return std::nullopt;
    SMDIMessage message;
    message.id = static_cast<std::uint16_t>(SMDI::GetNumber(bytes + 4, 2));
    message.subId = static_cast<std::uint16_t>(SMDI::GetNumber(bytes + 6, 2));
    message.data.assign(bytes + kHeaderLength, bytes + count);
    return message;
}

std::uint32_t SMDIMessage::Number24(std::size_t offset) const
{
    return offset + 3 <= data.size() ? SMDI::GetNumber(data.data() + offset, 3) : 0;
}

namespace SMDI {

void PutNumber(std::vector<std::uint8_t>& out, std::uint32_t value, std::size_t width)
{
    for (std::size_t i = width; i-- > 0;)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t GetNumber(const std::uint8_t* bytes, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

namespace {

SMDIMessage WithNumbers(SMDIMessage::Id id, std::uint16_t subId, std::initializer_list<std::uint32_t> numbers)
{
    SMDIMessage message{id, subId, {}};
    for (const std::uint32_t number : numbers)
        PutNumber(message.data, number, 3);
    return message;
}

}  // namespace

SMDIMessage SampleHeaderRequest(std::uint32_t sampleNumber)
{
    return WithNumbers(SMDIMessage::kSampleHeaderRequest, 0, {sampleNumber});
}

SMDIMessage BeginSampleTransfer(std::uint32_t sampleNumber, std::uint32_t packetLength)
{
    return WithNumbers(SMDIMessage::kBeginSampleTransfer, 0, {sampleNumber, packetLength});
}

SMDIMessage SendNextPacket(std::uint32_t packetNumber)
{
    return WithNumbers(SMDIMessage::kSendNextPacket, 0, {packetNumber});
}

SMDIMessage DataPacket(std::uint32_t packetNumber, const std::vector<std::uint8_t>& words)
{
    SMDIMessage message = WithNumbers(SMDIMessage::kDataPacket, 0, {packetNumber});
    message.data.insert(message.data.end(), words.begin(), words.end());
    return message;
}

SMDIMessage AbortProcedure()
{
    return Reply(SMDIMessage::kAbortProcedure);
}

SMDIMessage DeleteSample(std::uint32_t sampleNumber)
{
    return WithNumbers(SMDIMessage::kDeleteSample, 0, {sampleNumber});
}

SMDIMessage Reply(SMDIMessage::Id id)
{
    return SMDIMessage{id, 0, {}};
}

SMDIMessage Reject(std::uint16_t code, std::uint16_t subCode)
{
    SMDIMessage message{SMDIMessage::kMessageReject, 0, {}};
    PutNumber(message.data, code, 2);
    PutNumber(message.data, subCode, 2);
    return message;
}

SMDIMessage TransferAcknowledge(std::uint32_t sampleNumber, std::uint32_t packetLength)
{
    return WithNumbers(SMDIMessage::kBeginSampleTransfer, SMDIMessage::kTransferAcknowledge,
                       {sampleNumber, packetLength});
}

}  // namespace SMDI
