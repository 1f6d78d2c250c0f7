#pragma once
// Sends the sample data of one sample to a sampler in chunks. A family
// implements Begin (announce the sample, answer the frame width it wants)
// and SendChunk; the transfer loop (SendFrames) calls SendChunk with
// NextChunkSize() frames while the transmitter is active, and Cancel when
// the user stops.
#include <cstdint>

#include "samplers/transfer/CChunkCount.h"
#include "samplers/transfer/SampleFormat.h"

class CABCSampleTransmitter {
public:
    virtual ~CABCSampleTransmitter() = default;

    // What the family numbered the sample it stored (-1 until it tells).
    virtual std::int32_t GetResultNumber() const { return fResultNumber; }
    // Announces a sample of `format` and starts the count of its frames;
    // answers the width the frames must be given in.
    virtual FrameWidth Begin(const SampleFormat& format) = 0;
    // Sends `count` frames (NextChunkSize() of them) of the width Begin
    // answered. The call that finds no frames left ends the transfer.
    virtual void SendChunk(const void* frames, std::uint32_t count) = 0;
    virtual void Cancel() { End(); }
    virtual void End() { fCount.Stop(); }

    bool IsActive() const { return fCount.IsActive(); }
    std::uint32_t FramesSent() const { return fCount.Done(); }
    std::uint32_t TotalFrames() const { return fCount.Total(); }
    std::uint32_t FramesRemaining() const { return fCount.Remaining(); }
    std::uint32_t NextChunkSize() const { return fCount.NextChunkSize(); }
    void CountSent(std::uint32_t frames) { fCount.Count(frames); }

protected:
    // Active, `total` frames to send in chunks of at most `framesPerChunk`.
    void Start(std::uint32_t total, std::uint32_t framesPerChunk) { fCount.Start(total, framesPerChunk); }
    void SetResultNumber(std::int32_t number) { fResultNumber = number; }

private:
    CChunkCount fCount;
    std::int32_t fResultNumber = -1;
};
