#include "samplers/ensoniq/CABCEnsoniqInterface.h"

#include <algorithm>

#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/time/CClock.h"
#include "samplers/ensoniq/CEnsoniqSysex.h"
#include "samplers/identification/EnsoniqIdentification.h"
#include "samplers/transfer/SliceNames.h"

namespace {

// How often a wait looks at the Stop button.
constexpr std::int64_t kStopPollMilliseconds = 50;
constexpr std::uint8_t kLowestRootKey = 21;
constexpr std::uint8_t kHighestRootKey = 108;

void RaiseFor(std::uint16_t code)
{
    switch (code) {
    case Ensoniq::kInvalidParameter: throw XEnsoniqInvalidParameter();
    case Ensoniq::kNoSuchInstrument:
    case Ensoniq::kNoSuchLayer:
    case Ensoniq::kNoSuchWave: throw XEnsoniqInvalidTarget();
    case Ensoniq::kOutOfMemory: throw XEnsoniqOutOfMemory();
    case Ensoniq::kNotAcknowledged: throw XEnsoniqNotAcknowledged();
    default: throw XEnsoniqErrorResponse();
    }
}

}  // namespace

CABCEnsoniqInterface::CABCEnsoniqInterface(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel)
    : fConnection(input, output, EnsoniqIdentification::kManufacturer, EnsoniqIdentification::kProduct, channel),
      fChannel(channel)
{
}

std::string CABCEnsoniqInterface::CleanName(std::string_view name)
{
    std::string clean = UpperCase(name.substr(0, CEnsoniqSysex::kNameLength));
    for (char& c : clean)
        if (kNameCharacters.find(c) == std::string_view::npos)
            c = ' ';
    return clean;
}

void CABCEnsoniqInterface::AdjustFormat(SampleFormat& format) const
{
    format.name = CleanName(format.name);
    format.channels = 1;
    format.bits = SampleBits();
    format.length = std::max(format.length, kShortestSample);
    format.start = 0;
    format.end = format.length;
    const std::uint32_t last = format.length - 2;
    switch (format.sustain.mode) {
    case LoopMode::kNoLoopData:
        format.sustain = {LoopMode::kOff, 0, last};
        format.release = {};
        break;
    case LoopMode::kForward:
        if (format.release.mode != LoopMode::kNoLoopData)
            format.release = {LoopMode::kOff, format.length - 3, last};
        break;
    default: format.release = {}; break;
    }
    format.sustain.end = std::clamp(format.sustain.end, 1u, last);
    format.sustain.start = std::min(format.sustain.start, format.sustain.end - 1);
    format.rootKey = std::clamp(format.rootKey, kLowestRootKey, kHighestRootKey);
}

std::uint16_t CABCEnsoniqInterface::ModelWord(std::int16_t frame) const
{
    const auto word = static_cast<std::uint16_t>(frame);
    return static_cast<std::uint16_t>(word & (0xFFFFu << (16 - SampleBits())));
}

Ensoniq::Bytes CABCEnsoniqInterface::ReceiveBefore(std::int64_t deadline, bool stoppable)
{
    CClock& clock = CClock::Current();
    for (;;) {
        const std::int64_t left = deadline - clock.Milliseconds();
        if (left <= 0)
            throw XSysexTimedOut();
        try {
            return fConnection.Receive(std::min(left, kStopPollMilliseconds)).Bytes();
        } catch (const XSysexTimedOut&) {
            if (stoppable && fProgress) {
                fProgress->Refresh();
                if (fProgress->WasCancelled())
                    throw XSampleTransmitCancelled();
            }
        }
    }
}

Ensoniq::Bytes CABCEnsoniqInterface::AwaitReply(std::size_t dataWords)
{
    CClock& clock = CClock::Current();
    std::int64_t deadline = clock.Milliseconds() + kReplyTimeout;
    bool waited = false;
    for (;;) {
        Ensoniq::Bytes message = ReceiveBefore(deadline, waited);
        if (dataWords > 0 && message.size() == Ensoniq::DataLength(dataWords))
            return message;
        if (Ensoniq::IsCancel(message))
            throw XEnsoniqCancelled();
        const std::optional<std::uint16_t> code = Ensoniq::ParseResponse(message);
        if (!code)
            return message;
        if (*code == Ensoniq::kAcknowledged)
            return message;
        if (*code != Ensoniq::kWait)
            RaiseFor(*code);
        Acknowledge();
        // WAITs hold the reply back until the longest wait from the first.
        if (!waited)
            deadline = clock.Milliseconds() + kLongestWait;
        waited = true;
    }
}

void CABCEnsoniqInterface::AwaitAcknowledgement()
{
    if (Ensoniq::ParseResponse(AwaitReply()) != Ensoniq::kAcknowledged)
        throw XEnsoniqUnexpectedResponse();
}

void CABCEnsoniqInterface::AwaitAnnouncement(const Ensoniq::Command& expected)
{
    if (Ensoniq::ParseCommand(AwaitReply()) != expected)
        throw XEnsoniqUnexpectedResponse();
}

void CABCEnsoniqInterface::Acknowledge()
{
    fConnection.SendUnflushed(CRawSysex(Ensoniq::ResponseMessage(fChannel, Ensoniq::kAcknowledged)));
}

void CABCEnsoniqInterface::SendCommand(const Ensoniq::Command& command)
{
    fConnection.Send(CRawSysex(Ensoniq::CommandMessage(fChannel, command)));
    AwaitAcknowledgement();
}

void CABCEnsoniqInterface::Perform(std::uint8_t code, int instrument, int layer, int wave)
{
    SendCommand({code, static_cast<std::uint16_t>(instrument), static_cast<std::uint16_t>(layer),
                 static_cast<std::uint16_t>(wave)});
    HoldOff(kAfterPut);
}

void CABCEnsoniqInterface::GetBlock(const Ensoniq::Command& request, std::uint8_t dumpCode, CEnsoniqSysex& block)
{
    fConnection.Send(CRawSysex(Ensoniq::CommandMessage(fChannel, request)));
    Ensoniq::Command announcement = request;
    announcement.code = dumpCode;
    AwaitAnnouncement(announcement);
    Acknowledge();
    block.Read(AwaitReply(block.WordCount()));
    HoldOff(kAfterGet);
}

void CABCEnsoniqInterface::PutBlock(const Ensoniq::Command& dump, const CEnsoniqSysex& block)
{
    SendCommand(dump);
    fConnection.SendUnflushed(CRawSysex(block.Message(fChannel)));
    AwaitAcknowledgement();
    HoldOff(kAfterPut);
}

void CABCEnsoniqInterface::PutWaveData(int instrument, int wave, std::uint32_t start, const Ensoniq::Words& words)
{
    const auto end = start + static_cast<std::uint32_t>(words.size());
    SendCommand({Ensoniq::kWaveDataDump, static_cast<std::uint16_t>(instrument), 0, static_cast<std::uint16_t>(wave),
                 true, start, end});
    fConnection.SendUnflushed(CRawSysex(Ensoniq::DataMessage(fChannel, words)));
    AwaitAcknowledgement();
    HoldOff(kAfterPut);
}

Ensoniq::Words CABCEnsoniqInterface::GetWaveData(int instrument, int wave, std::uint32_t start, std::uint32_t count)
{
    Ensoniq::Command request{Ensoniq::kRequestWaveData, static_cast<std::uint16_t>(instrument), 0,
                             static_cast<std::uint16_t>(wave), true, start, start + count};
    SendCommand(request);
    request.code = Ensoniq::kWaveDataDump;
    AwaitAnnouncement(request);
    Acknowledge();
    const Ensoniq::Bytes data = AwaitReply(count);
    HoldOff(kAfterGet);
    std::optional<Ensoniq::Words> words = Ensoniq::ParseData(data, count);
    if (!words)
        throw XEnsoniqInvalidSize();
    return std::move(*words);
}
