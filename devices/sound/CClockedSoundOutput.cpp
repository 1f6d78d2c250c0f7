#include "devices/sound/CClockedSoundOutput.h"

#include <algorithm>
#include <chrono>

#include "devices/sound/CSoundQueue.h"
#include "framework/exceptions/DeviceExceptions.h"

CClockedSoundOutput::CClockedSoundOutput(std::uint32_t rate, std::uint16_t channels)
    : fRate(rate), fChannels(channels), fBlock(std::size_t{kBlockFrames} * channels)
{
}

CClockedSoundOutput::~CClockedSoundOutput()
{
    Stop();
}

void CClockedSoundOutput::Start(CSoundQueue& queue)
{
    if (fThread.joinable())
        return;
    fRunning.store(true);
    try {
        fThread = std::thread(&CClockedSoundOutput::Run, this, &queue);
    } catch (const std::system_error&) {
        fRunning.store(false);
        throw ZDIRECT_SOUND_EXCEPTION();
    }
}

void CClockedSoundOutput::Stop()
{
    fRunning.store(false);
    if (fThread.joinable())
        fThread.join();
}

void CClockedSoundOutput::Consume(const std::int16_t*, std::uint32_t) {}

void CClockedSoundOutput::Pull(CSoundQueue& queue, std::uint32_t count)
{
    while (count > 0) {
        const std::uint32_t piece = std::min(count, kBlockFrames);
        queue.Take(fBlock.data(), piece);
        Consume(fBlock.data(), piece);
        count -= piece;
    }
}

void CClockedSoundOutput::Run(CSoundQueue* queue)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    std::uint64_t blocks = 0;
    while (fRunning.load()) {
        ++blocks;
        // Deadlines from the start, so rounding never accumulates.
        std::this_thread::sleep_until(start + std::chrono::microseconds(blocks * kBlockFrames * 1000000 / fRate));
        if (fRunning.load())
            Pull(*queue, kBlockFrames);
    }
}
