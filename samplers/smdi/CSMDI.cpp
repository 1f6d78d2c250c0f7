#include "samplers/smdi/CSMDI.h"

#include <algorithm>
#include <vector>

#include "devices/scsi/SCSICommands.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/time/CClock.h"

namespace {

constexpr std::uint8_t kSend = 0x0A;
constexpr std::uint8_t kReceive = 0x08;
constexpr std::uint8_t kSenseKeyAborted = 0x0B;

SCSICommandBlock Command(std::uint8_t operation, std::uint32_t length)
{
    SCSICommandBlock command(operation);
    command[2] = static_cast<std::uint8_t>(length >> 16);
    command[3] = static_cast<std::uint8_t>(length >> 8);
    command[4] = static_cast<std::uint8_t>(length);
    return command;
}

bool IsRepeated(std::int32_t kind)
{
    return kind == SCSIResult::kBusy || kind == SCSIResult::kNoDevice;
}

// A failed command: the sampler's abort, or any other failure.
[[noreturn]] void Fail(const SCSIResult& result)
{
    if (result.kind == SCSIResult::kCheckCondition && result.senseLength >= 3 &&
        result.SenseKey() == kSenseKeyAborted)
        throw XSMDISCSIErrorSenseKeyAborted();
    throw XSMDISCSICommunicationException();
}

// Runs `run` until its result is not one to repeat, kAttempts times at most.
template <typename Run>
SCSIResult Repeating(Run run, bool (*repeat)(std::int32_t))
{
    SCSIResult result;
    for (int attempt = 0; attempt < CSMDI::kAttempts; ++attempt) {
        try {
            result = run();
        } catch (const XSCSI&) {
            throw XSMDISCSICommunicationException();
        }
        if (!repeat(result.kind))
            break;
    }
    return result;
}

bool Ready(const SCSIDevice& device)
{
    try {
        return IsReady(device);
    } catch (const XSCSI&) {
        throw XSMDISCSICommunicationException();
    }
}

}  // namespace

void CSMDI::SendMessage(const SMDIMessage& message)
{
    const std::vector<std::uint8_t> bytes = message.Bytes();
    const auto length = static_cast<std::uint32_t>(bytes.size());
    const SCSIResult result = Repeating(
        [&] { return ExecuteOut(fDevice, Command(kSend, length), bytes.data(), length); },
        [](std::int32_t kind) { return IsRepeated(kind) || kind == SCSIResult::kInterfaceBusy; });
    if (result.kind != SCSIResult::kGood)
        Fail(result);
}

SMDIMessage CSMDI::ReadMessage(std::uint32_t maximumLength)
{
    std::vector<std::uint8_t> bytes(maximumLength);
    const SCSIResult result = Repeating(
        [&] { return ExecuteIn(fDevice, Command(kReceive, maximumLength), bytes.data(), maximumLength); },
        IsRepeated);
    if (result.kind != SCSIResult::kGood && result.kind != SCSIResult::kShort)
        Fail(result);
    const std::uint32_t received = maximumLength - std::min(result.residual, maximumLength);
    std::optional<SMDIMessage> message = SMDIMessage::Parse(bytes.data(), received);
    if (!message)
        throw XSMDIMessageInvalid();
    return std::move(*message);
}

SMDIMessage CSMDI::AwaitMessage(std::uint32_t maximumLength)
{
    CClock& clock = CClock::Current();
    int rounds = 0;
    for (;;) {
        SMDIMessage message = ReadMessage(maximumLength);
        if (!message.IsWait())
            return message;
        do {
            if (rounds++ == kWaitRounds)
                throw XSMDIWaitTimedOut();
            clock.Sleep(kWaitInterval);
        } while (!Ready(fDevice));
    }
}
