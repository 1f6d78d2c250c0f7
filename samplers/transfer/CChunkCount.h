#pragma once
// The count of one chunked transfer: whether it is under way, the frames
// done of the total, and the most frames one chunk may hold.
#include <cstdint>

class CChunkCount {
public:
    // Under way, `total` frames in chunks of at most `framesPerChunk`.
    void Start(std::uint32_t total, std::uint32_t framesPerChunk);
    void Stop() { fActive = false; }
    // Counts `frames` more as done (never past the total).
    void Count(std::uint32_t frames);
    void SetTotal(std::uint32_t frames) { fTotal = frames; }

    bool IsActive() const { return fActive; }
    std::uint32_t Done() const { return fDone; }
    std::uint32_t Total() const { return fTotal; }
    std::uint32_t Remaining() const { return fTotal - fDone; }
    // min(frames per chunk, remaining).
    std::uint32_t NextChunkSize() const;

private:
    bool fActive = false;
    std::uint32_t fFramesPerChunk = 0;
    std::uint32_t fDone = 0;
    std::uint32_t fTotal = 0;
};
