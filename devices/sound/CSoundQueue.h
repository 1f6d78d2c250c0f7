#pragma once
// The play-ahead ring between a channel's feeder and its back end: 16384
// interleaved 16-bit frames. The feeder writes at the written count and
// commits; the back end takes from the played count and never passes what
// was written. One writer thread, one reader thread, no locks.
#include <atomic>
#include <cstdint>
#include <memory>

class CSoundQueue {
public:
    static constexpr std::uint32_t kFrames = 16384;

    explicit CSoundQueue(std::uint16_t channels);

    std::uint16_t Channels() const { return fChannels; }
    // Both counters back to 0; only while nobody feeds or consumes.
    void Reset();

    std::uint64_t Written() const { return fWritten.load(std::memory_order_acquire); }
    std::uint64_t Played() const { return fPlayed.load(std::memory_order_acquire); }

    // Feeder side: the frame at a cumulative position, and publishing frames.
    std::int16_t* FrameAt(std::uint64_t position) { return &fFrames[(position % kFrames) * fChannels]; }
    void Commit(std::uint32_t frames) { fWritten.fetch_add(frames, std::memory_order_release); }

    // Back-end side: copies up to `frames` queued frames to `out` (nullptr
    // discards them) and fills the rest of the request with silence.
    // Answers the frames taken from the queue.
    std::uint32_t Take(std::int16_t* out, std::uint32_t frames);

private:
    std::uint16_t fChannels;
    std::unique_ptr<std::int16_t[]> fFrames;
    std::atomic<std::uint64_t> fWritten{0};
    std::atomic<std::uint64_t> fPlayed{0};
};
