#include "samplers/yamaha/CA3000SampleReceiverMIDI.h"

#include <algorithm>
#include <cstring>

#include "devices/midi/CMIDIInput.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/time/CClock.h"
#include "samplers/yamaha/CA3000Interface.h"

namespace {

constexpr std::size_t kRecordNibbles = 2 * CA3000SampleParameters::kBytes;
constexpr std::size_t kNibblesPerFrame = 4;

}  // namespace

A3000::Bytes CA3000SampleReceiverMIDI::Await(std::size_t count)
{
    CSysexMIDIInput& input = fA3000.Connection().Input();
    CClock& clock = CClock::Current();
    const std::int64_t deadline = clock.Milliseconds() + CA3000Interface::kWaveTimeout;
    while (input.Pending() < count) {
        if (clock.Milliseconds() >= deadline)
            throw XSysexTimedOut();
        PollMIDIInputs();
    }
    A3000::Bytes bytes(count);
    input.Take(count, bytes.data());
    return bytes;
}

A3000::Bytes CA3000SampleReceiverMIDI::AwaitBlock(std::size_t bytes)
{
    const A3000::Bytes count = Await(2);
    if (((std::size_t{count[0]} << 7) | count[1]) != bytes)
        throw XA3000ReceivedInvalidSysex();
    A3000::Bytes block = Await(bytes + 1);
    if (A3000::XorSum(block.data(), bytes) != block.back())
        throw XA3000ChecksumIncorrect();
    block.pop_back();
    return block;
}

void CA3000SampleReceiverMIDI::Begin(SampleFormat& format, FrameWidth& width)
{
    fA3000.WaitWhileBusy();
    CSysexConnection& connection = fA3000.Connection();
    connection.Send(CRawSysex(A3000::DumpRequest(fA3000.Device(), A3000::kWaveData, fName)));
    connection.Input().WaitForStart(CClock::Current().Milliseconds() + CA3000Interface::kWaveTimeout);
    const A3000::Bytes opening = Await(A3000::kFrameBytes);
    if (opening[1] != A3000::kManufacturer || opening[2] != fA3000.Device() || opening[3] != A3000::kModel)
        throw XA3000ReceivedInvalidSysex();
    const A3000::Bytes first = AwaitBlock(A3000::kHeadBytes + kRecordNibbles);
    A3000::Bytes head;
    A3000::AppendHead(head, A3000::kWaveData, fName);
    if (!std::equal(head.begin(), head.end(), first.begin()))
        throw XA3000ReceivedInvalidSysex();
    const CA3000SampleParameters parameters =
        CA3000SampleParameters::Read(A3000::JoinNibbles(&first[A3000::kHeadBytes], kRecordNibbles));
    format = parameters.Format();
    width = FrameWidth::k16;
    Start(parameters.Length(), kBlockFrames);
}

void CA3000SampleReceiverMIDI::ReceiveChunk(void* destination, std::uint32_t count)
{
    const A3000::Bytes block = AwaitBlock(std::size_t{count} * kNibblesPerFrame);
    const A3000::Bytes bytes = A3000::JoinNibbles(block.data(), block.size());
    auto* frames = static_cast<std::uint8_t*>(destination);
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto word = static_cast<std::int16_t>((bytes[2 * i] << 8) | bytes[2 * i + 1]);
        std::memcpy(frames + 2 * i, &word, 2);
    }
    CountReceived(count);
    if (FramesRemaining() == 0 && Await(1)[0] != 0xF7)
        throw XA3000ReceivedInvalidSysex();
}

void CA3000SampleReceiverMIDI::Cancel()
{
    fA3000.Connection().Input().Flush();
    End();
}
