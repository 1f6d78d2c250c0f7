#pragma once
// Receives the sample data of one sample from a sampler in chunks. A family
// implements Begin (ask for the sample, answer its format and the frame
// width it delivers) and ReceiveChunk; the receive loop (ReceiveFrames)
// calls ReceiveChunk with NextChunkSize() frames while the receiver is
// active, and Cancel when the user stops.
#include <cstdint>

#include "samplers/transfer/CChunkCount.h"
#include "samplers/transfer/SampleFormat.h"

class CABCSampleReceiver {
public:
    virtual ~CABCSampleReceiver() = default;

    virtual void Begin(SampleFormat& format, FrameWidth& width) = 0;
    // Fills `destination` with `count` frames (NextChunkSize() of them).
    virtual void ReceiveChunk(void* destination, std::uint32_t count) = 0;
    virtual void Cancel() { End(); }

    void CountReceived(std::uint32_t frames) { fCount.Count(frames); }
    void SetTotal(std::uint32_t frames) { fCount.SetTotal(frames); }
    // Active, `frames` to receive in chunks of at most `framesPerChunk`.
    void Start(std::uint32_t frames, std::uint32_t framesPerChunk) { fCount.Start(frames, framesPerChunk); }
    void End() { fCount.Stop(); }

    bool IsActive() const { return fCount.IsActive(); }
    std::uint32_t FramesReceived() const { return fCount.Done(); }
    std::uint32_t TotalFrames() const { return fCount.Total(); }
    std::uint32_t FramesRemaining() const { return fCount.Remaining(); }
    std::uint32_t NextChunkSize() const { return fCount.NextChunkSize(); }

private:
    CChunkCount fCount;
};
