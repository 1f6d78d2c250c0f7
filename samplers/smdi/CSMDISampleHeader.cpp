#include "samplers/smdi/CSMDISampleHeader.h"

#include <algorithm>

#include "framework/exceptions/Exceptions.h"
#include "samplers/smdi/CSMDIExtendedSampleHeader.h"

namespace {

// The standard fields up to the pitch fraction.
constexpr std::size_t kFixedBytes = 25;
constexpr std::uint32_t kNanoseconds = 1000000000;
constexpr std::uint32_t kLongestPeriod = 0xFFFFFF;
constexpr std::uint32_t kHalfStep = 32768;  // a pitch fraction of half a semitone
constexpr std::uint32_t kCommonRates[] = {44100, 48000, 32000, 22050, 11025, 8000};
constexpr std::uint8_t kHighestKey = 127;

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

void CSMDISampleHeader::Describe(const SampleFormat& format)
{
    const std::size_t used = format.name.find_last_not_of(' ');
    name = format.name.substr(0, used == std::string::npos ? 0 : std::min(used + 1, kMaxName));
    bits = format.bits;
    channels = format.channels;
    period = format.rate ? std::min(kNanoseconds / format.rate, kLongestPeriod) : kLongestPeriod;
    length = format.length;
    loopStart = format.sustain.start;
    loopEnd = format.sustain.end;
    switch (format.sustain.mode) {
    case LoopMode::kNoLoopData:
        loopControl = kLoopOff;
        loopStart = 0;
        loopEnd = format.length;
        break;
    case LoopMode::kForward: loopControl = kLoopForward; break;
    case LoopMode::kAlternating: loopControl = kLoopAlternating; break;
    case LoopMode::kOff: loopControl = kLoopOff; break;
    }
    // A tune above the key is sent as a fraction above the key below it.
    const std::int32_t tune = format.fineTune;
    if (tune <= 0) {
        pitch = format.rootKey;
        pitchFraction = static_cast<std::uint16_t>((-tune * std::int32_t{kHalfStep} + 25) / 50);
    } else {
        pitch = static_cast<std::uint16_t>(format.rootKey - 1);
        pitchFraction = static_cast<std::uint16_t>(((50 - tune) * std::int32_t{kHalfStep} + 25) / 50 + kHalfStep);
    }
}

SampleFormat CSMDISampleHeader::Format() const
{
    if (period == 0 || channels == 0 || bits == 0)
        throw XSMDIUnexpectedMessage();
    SampleFormat format;
    format.name = name;
    format.bits = bits;
    format.channels = channels;
    format.rate = kNanoseconds / period;
    for (const std::uint32_t common : kCommonRates)
        if (format.rate + 1 >= common && format.rate <= common + 1)
            format.rate = common;
    format.length = length;
    format.start = 0;
    format.end = length;
    format.sustain.start = loopStart;
    format.sustain.end = loopEnd;
    if (loopStart > loopEnd)
        format.sustain = SampleLoop{};
    else if (loopControl == kLoopForward)
        format.sustain.mode = LoopMode::kForward;
    else if (loopControl == kLoopAlternating)
        format.sustain.mode = LoopMode::kAlternating;
    else
        format.sustain.mode = LoopMode::kOff;
    std::uint32_t root = pitch;
    if (pitchFraction >= kHalfStep) {
        root += 1;
        format.fineTune = static_cast<std::int16_t>(((65536 - pitchFraction) * 50 + 16384) / kHalfStep);
    } else {
        format.fineTune = static_cast<std::int16_t>(-static_cast<std::int32_t>((pitchFraction * 50u + 16384) / kHalfStep));
    }
    if (root > kHighestKey) {
        root = kHighestKey;
        format.fineTune = 50;
    }
    format.rootKey = static_cast<std::uint8_t>(root);
    return format;
}
