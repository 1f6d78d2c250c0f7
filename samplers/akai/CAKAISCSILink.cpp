#include "samplers/akai/CAKAISCSILink.h"

#include <algorithm>

#include "devices/scsi/SCSICommands.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/time/CClock.h"

namespace {

SCSICommandBlock AKAISCSICommand(std::uint8_t operation, std::uint32_t length, std::uint8_t flag)
{
    SCSICommandBlock command(operation);
    command[2] = static_cast<std::uint8_t>(length >> 16);
    command[3] = static_cast<std::uint8_t>(length >> 8);
    command[4] = static_cast<std::uint8_t>(length);
    command[5] = flag;
    return command;
}

// The bytes a command moved, or XAKAISCSICommunicationException.
std::uint32_t AKAISCSIMoved(const SCSIResult& result, std::uint32_t asked)
{
    if (result.kind == SCSIResult::kGood)
        return asked;
    if (result.kind == SCSIResult::kShort && result.residual <= asked)
        return asked - result.residual;
    throw XAKAISCSICommunicationException();
}

template <typename Command>
SCSIResult AKAISCSIGuarded(Command command)
{
    try {
        return command();
    } catch (const XSCSI&) {
        throw XAKAISCSICommunicationException();
    }
}

}  // namespace

void CAKAISCSILink::WaitUntilReady()
{
    CClock& clock = CClock::Current();
    const std::int64_t deadline = clock.Milliseconds() + kReadyWait;
    while (AKAISCSIGuarded([&] { return ExecuteNoData(fDevice, SCSICommandBlock(kOpTestUnitReady)); }).kind !=
           SCSIResult::kGood) {
        if (clock.Milliseconds() >= deadline)
            throw XAKAISCSITimedOut();
        clock.Sleep(kReadyPoll);
    }
}

void CAKAISCSILink::EnterMIDIMode()
{
    if (fInMIDIMode)
        return;
    WaitUntilReady();
    SCSICommandBlock command(kOpSetMode);
    command[2] = 1;
    command[3] = 1;
    AKAISCSIMoved(AKAISCSIGuarded([&] { return ExecuteNoData(fDevice, command); }), 0);
    fInMIDIMode = true;
}

void CAKAISCSILink::Send(const std::uint8_t* bytes, std::uint32_t count)
{
    EnterMIDIMode();
    WaitUntilReady();
    const SCSICommandBlock command = AKAISCSICommand(kOpSend, count, Flag());
    if (AKAISCSIMoved(AKAISCSIGuarded([&] { return ExecuteOut(fDevice, command, bytes, count); }), count) != count)
        throw XAKAISCSICommunicationException();
}

std::uint32_t CAKAISCSILink::WaitingCount()
{
    WaitUntilReady();
    std::uint8_t count[3] = {};
    const SCSICommandBlock command = AKAISCSICommand(kOpWaiting, 0, Flag());
    if (AKAISCSIMoved(AKAISCSIGuarded([&] { return ExecuteIn(fDevice, command, count, 3); }), 3) != 3)
        throw XAKAISCSICommunicationException();
    return (std::uint32_t{count[0]} << 16) | (std::uint32_t{count[1]} << 8) | count[2];
}

std::vector<std::uint8_t> CAKAISCSILink::ReadWaiting()
{
    EnterMIDIMode();
    const std::uint32_t waiting = std::min(WaitingCount(), kLongestRead);
    if (waiting == 0)
        return {};
    std::vector<std::uint8_t> bytes(waiting);
    const SCSICommandBlock command = AKAISCSICommand(kOpRead, waiting, Flag());
    std::uint32_t moved = 0;
    for (int attempt = 0;; ++attempt) {
        WaitUntilReady();
        try {
            moved = AKAISCSIMoved(AKAISCSIGuarded([&] { return ExecuteIn(fDevice, command, bytes.data(), waiting); }), waiting);
            break;
        } catch (const XAKAISCSICommunicationException&) {
            if (attempt > 0)
                throw;
            CClock::Current().Sleep(kReadRetryDelay);
        }
    }
    // A sampler that moved fewer bytes than it announced gives only those.
    bytes.resize(moved);
    for (std::uint8_t& byte : bytes)
        if (byte != 0xF0 && byte != 0xF7)
            byte &= 0x7F;
    return bytes;
}
