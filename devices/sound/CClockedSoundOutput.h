#pragma once
// A stand-in for a sound card: its own thread takes the queue at the real
// rate, one 1024-frame block at a time, and hands each block to Consume,
// which discards it (the null card). Subclasses keep what they are handed.
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "devices/sound/CSoundOutput.h"

class CClockedSoundOutput : public CSoundOutput {
public:
    static constexpr std::uint32_t kBlockFrames = 1024;

    CClockedSoundOutput(std::uint32_t rate, std::uint16_t channels);
    ~CClockedSoundOutput() override;

    void Start(CSoundQueue& queue) override;
    void Stop() override;

    std::uint32_t Rate() const { return fRate; }
    std::uint16_t Channels() const { return fChannels; }

protected:
    // `frames` interleaved frames, as a device would have played them
    // (silence where the queue ran dry).
    virtual void Consume(const std::int16_t* frames, std::uint32_t count);
    // Takes `count` frames from the queue and consumes them.
    void Pull(CSoundQueue& queue, std::uint32_t count);

private:
    void Run(CSoundQueue* queue);

    std::uint32_t fRate;
    std::uint16_t fChannels;
    std::vector<std::int16_t> fBlock;
    std::atomic<bool> fRunning{false};
    std::thread fThread;
};
