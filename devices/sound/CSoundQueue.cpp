#include "devices/sound/CSoundQueue.h"

#include <algorithm>
#include <cstring>

CSoundQueue::CSoundQueue(std::uint16_t channels)
    : fChannels(channels), fFrames(std::make_unique<std::int16_t[]>(std::size_t{kFrames} * channels))
{
}

void CSoundQueue::Reset()
{
    fWritten.store(0);
    fPlayed.store(0);
}

std::uint32_t CSoundQueue::Take(std::int16_t* out, std::uint32_t frames)
{
    const std::uint64_t played = fPlayed.load(std::memory_order_relaxed);
    const auto queued = static_cast<std::uint32_t>(Written() - played);
    const std::uint32_t taken = std::min(frames, queued);
    if (out) {
        std::uint32_t done = 0;
        while (done < taken) {
            const auto offset = static_cast<std::uint32_t>((played + done) % kFrames);
            const std::uint32_t piece = std::min(taken - done, kFrames - offset);
            std::memcpy(out + std::size_t{done} * fChannels, &fFrames[std::size_t{offset} * fChannels],
                        std::size_t{piece} * fChannels * sizeof(std::int16_t));
            done += piece;
        }
        std::memset(out + std::size_t{taken} * fChannels, 0,
                    std::size_t{frames - taken} * fChannels * sizeof(std::int16_t));
    }
    fPlayed.store(played + taken, std::memory_order_release);
    return taken;
}
