#include "samplers/transfer/TransferLoops.h"

#include <algorithm>
#include <vector>

#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "resources/CaravelResources.h"
#include "samplers/transfer/CABCSampleReceiver.h"
#include "samplers/transfer/CABCSampleTransmitter.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::size_t kReservedWords = std::size_t{1} << 22;

std::uint16_t Percent(std::uint64_t done, std::uint64_t total)
{
    return static_cast<std::uint16_t>(total == 0 ? 100 : done * 100 / total);
}

template <typename Transfer>
void StopIfAsked(Transfer& transfer, CLengthyOperation& progress, ResourceId text)
{
    if (!progress.WasCancelled())
        return;
    progress.SetTitle(text);
    transfer.Cancel();
    throw XSampleTransmitCancelled();
}

}  // namespace

SampleFormat SliceFormat(const WAVE_SAMPLE& slice)
{
    SampleFormat format;
    format.name = slice.Name();
    format.rate = slice.Rate();
    format.length = slice.Frames();
    format.end = slice.Frames();
    return format;
}

void SendFrames(CABCSampleTransmitter& transmitter, const WAVE_SAMPLE& slice, std::uint32_t chunkFrames,
                CLengthyOperation& progress, std::int32_t value)
{
    std::vector<std::int16_t> buffer(chunkFrames);
    while (transmitter.IsActive()) {
        progress.Update(value, Percent(transmitter.FramesSent(), transmitter.TotalFrames()));
        StopIfAsked(transmitter, progress, Res::kStringSampleTransmitCancelled);
        const std::uint32_t count = transmitter.NextChunkSize();
        if (count > chunkFrames)
            throw XInternalError();
        std::fill(buffer.begin(), buffer.end(), std::int16_t{0});
        const std::uint32_t sent = transmitter.FramesSent();
        const std::uint32_t left = slice.Frames() > sent ? slice.Frames() - sent : 0;
        const std::uint32_t copied = std::min(count, left);
        if (copied > 0)
            slice.Samples().ReadBytes(sent * 2, copied * 2, buffer.data());
        transmitter.SendChunk(buffer.data(), count);
    }
    progress.Update(value, 100);
}

ReceivedSample ReceiveFrames(CABCSampleReceiver& receiver, CLengthyOperation& progress)
{
    ReceivedSample received;
    FrameWidth width = FrameWidth::k16;
    receiver.Begin(received.format, width);
    const std::size_t channels = std::max<std::size_t>(1, received.format.channels);
    // The length is the instrument's word: room is made for at most
    // kReservedWords at once, the rest grows only as data really arrives.
    received.samples.reserve(std::min(std::size_t{receiver.TotalFrames()} * channels, kReservedWords));
    std::vector<std::uint8_t> chunk;
    while (receiver.IsActive() && receiver.FramesRemaining() > 0) {
        progress.Update(static_cast<std::int32_t>(receiver.FramesRemaining()),
                        Percent(receiver.FramesReceived(), receiver.TotalFrames()));
        StopIfAsked(receiver, progress, Res::kStringSampleReceiveCancelled);
        const std::uint32_t count = receiver.NextChunkSize();
        const std::size_t words = std::size_t{count} * channels;
        chunk.assign(words * BytesPerWord(width), 0);
        receiver.ReceiveChunk(chunk.data(), count);
        AppendWords(received.samples, chunk.data(), words, width);
    }
    progress.Update(0, 100);
    return received;
}
