#include "document/buffer/WAVE_SAMPLE.h"

#include <algorithm>
#include <new>

#include "document/buffer/SoundName.h"
#include "framework/exceptions/GeneralExceptions.h"

WAVE_SAMPLE::WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames)
    : WAVE_SAMPLE(name, rate, frames, 0, 0, false)
{
}

WAVE_SAMPLE::WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames, std::int32_t loopStart,
                         std::int32_t loopEnd, bool loopSet)
    : rate_(rate), frames_(frames), samples_(std::uint64_t{frames} * 2)
{
    SetName(name);
    SetLoop(loopStart, loopEnd, loopSet);
}

WAVE_SAMPLE::~WAVE_SAMPLE() = default;

void WAVE_SAMPLE::SetName(const char* name)
{
    CopySoundName(name_, name);
}

void WAVE_SAMPLE::SetLoopStart(std::int32_t start)
{
    SetLoop(start, loopEnd_, loopSet_);
}

void WAVE_SAMPLE::SetLoopEnd(std::int32_t end)
{
    SetLoop(loopStart_, end, loopSet_);
}

void WAVE_SAMPLE::SetLoop(std::int32_t start, std::int32_t end, bool set)
{
    const std::int64_t frames = frames_;
    if (!set || std::int64_t{end} - start < 1 || start < 0) {
        ResetLoop();
        return;
    }
    loopSet_ = true;
    loopStart_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(start, 0, std::min<std::int64_t>(frames, end)));
    loopEnd_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(end, loopStart_, frames));
}

void WAVE_SAMPLE::ResetLoop()
{
    loopSet_ = true;
    loopStart_ = 0;
    loopEnd_ = static_cast<std::int32_t>(frames_);
}

const BAT& WAVE_SAMPLE::Overview() const
{
    if (!overview_)
        BuildOverview();
    return *overview_;
}

void WAVE_SAMPLE::BuildOverview() const
{
    std::unique_ptr<BAT> overview;
    try {
        overview = std::make_unique<BAT>(std::uint64_t{OverviewEntries()} * 2);
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
    for (std::uint32_t k = 0; k < OverviewEntries(); ++k) {
        const std::uint32_t first = k * kOverviewStep;
        const std::uint32_t last = std::min(frames_, first + kOverviewWindow);
        std::int32_t high = samples_.ReadSample(first);
        std::int32_t low = high;
        for (std::uint32_t i = first + 1; i < last; ++i) {
            const std::int32_t v = samples_.ReadSample(i);
            high = std::max(high, v);
            low = std::min(low, v);
        }
        // Division by 256 toward zero keeps each half within a signed byte.
        const auto highByte = static_cast<std::uint8_t>(static_cast<std::int8_t>(high / 256));
        const auto lowByte = static_cast<std::uint8_t>(static_cast<std::int8_t>(low / 256));
        overview->WriteSample(k, static_cast<std::int16_t>((highByte << 8) | lowByte));
    }
    overview_ = std::move(overview);
}
