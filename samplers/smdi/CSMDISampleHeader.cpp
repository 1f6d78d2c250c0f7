#include "samplers/smdi/CSMDISampleHeader.h"

#include <algorithm>

#include "samplers/smdi/CSMDIExtendedSampleHeader.h"

namespace {

// The standard fields up to the pitch fraction.
constexpr std::size_t kFixedBytes = 25;

}  // namespace

SMDIMessage CSMDISampleHeader::Message() const
{
    SMDIMessage message{SMDIMessage::kSampleHeader, IsExtended() ? SMDIMessage::kExtendedHeader : std::uint16_t{0},
                        {}};
    std::vector<std::uint8_t>& data = message.data;
    SMDI::PutNumber(data, sampleNumber, 3);
    data.push_back(bits);
    data.push_back(channels);
    SMDI::PutNumber(data, period, 3);
    SMDI::PutNumber(data, length, 4);
    SMDI::PutNumber(data, loopStart, 4);
    SMDI::PutNumber(data, loopEnd, 4);
    data.push_back(loopControl);
    SMDI::PutNumber(data, pitch, 2);
    SMDI::PutNumber(data, pitchFraction, 2);
    PutKeys(data);
    const std::size_t nameLength = std::min(name.size(), kMaxName);
    data.push_back(static_cast<std::uint8_t>(nameLength));
    data.insert(data.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(nameLength));
    return message;
}

std::unique_ptr<CSMDISampleHeader> CSMDISampleHeader::Read(const SMDIMessage& message)
{
    std::unique_ptr<CSMDISampleHeader> header;
    if (message.Is(SMDIMessage::kSampleHeader))
        header = std::make_unique<CSMDISampleHeader>();
    else if (message.Is(SMDIMessage::kSampleHeader, SMDIMessage::kExtendedHeader))
        header = std::make_unique<CSMDIExtendedSampleHeader>();
    else
        return nullptr;
    const std::vector<std::uint8_t>& data = message.data;
    const std::size_t nameAt = kFixedBytes + header->KeyBytes() + 1;
    if (data.size() < nameAt || data.size() < nameAt + data[nameAt - 1])
        return nullptr;
    const std::uint8_t* bytes = data.data();
    header->sampleNumber = SMDI::GetNumber(bytes, 3);
    header->bits = bytes[3];
    header->channels = bytes[4];
    header->period = SMDI::GetNumber(bytes + 5, 3);
    header->length = SMDI::GetNumber(bytes + 8, 4);
    header->loopStart = SMDI::GetNumber(bytes + 12, 4);
    header->loopEnd = SMDI::GetNumber(bytes + 16, 4);
    header->loopControl = bytes[20];
    header->pitch = static_cast<std::uint16_t>(SMDI::GetNumber(bytes + 21, 2));
    header->pitchFraction = static_cast<std::uint16_t>(SMDI::GetNumber(bytes + 23, 2));
    header->GetKeys(bytes + kFixedBytes);
    header->name.assign(bytes + nameAt, bytes + nameAt + data[nameAt - 1]);
    return header;
}
