#include "sound/WAVE_SAMPLE.h"

#include <algorithm>
#include <new>

#include "framework/exceptions/GeneralExceptions.h"
#include "sound/SoundName.h"

namespace {

struct Extremes {
    std::int16_t high;
    std::int16_t low;
};

// What a missing block adds to a window: nothing.
constexpr Extremes kNoExtremes{-32768, 32767};

// The largest and smallest of count samples, count at least 1.
Extremes ExtremesOf(const std::int16_t* samples, std::uint32_t count)
{
    // Plain value comparisons: std::max on references keeps GCC from vectorizing.
    std::int16_t high = samples[0];
    std::int16_t low = samples[0];
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::int16_t v = samples[i];
        high = v > high ? v : high;
        low = v < low ? v : low;
    }
    return {high, low};
}

} // namespace

WAVE_SAMPLE::WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames)
    : WAVE_SAMPLE(name, rate, frames, 0, 0, false)
{
}

WAVE_SAMPLE::WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames, const std::int16_t* samples)
    : rate_(rate), frames_(frames), samples_(samples, std::uint64_t{frames} * 2)
{
    SetName(name);
    ResetLoop();
}

WAVE_SAMPLE::WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames, const BAT::PageFiller& fill)
    : rate_(rate), frames_(frames), samples_(std::uint64_t{frames} * 2, fill)
{
    SetName(name);
    ResetLoop();
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
    // One pass over the samples: the extremes of each 32-frame block (a block
    // never straddles a page) are found once, and entry k combines blocks k,
    // k + 1 and k + 2, its 96-frame window.
    const std::uint32_t blocks = (frames_ + kOverviewStep - 1) / kOverviewStep;
    const auto blockExtremes = [this, blocks](std::uint32_t block) {
        if (block >= blocks)
            return kNoExtremes;
        const std::uint32_t first = block * kOverviewStep;
        const auto* samples = reinterpret_cast<const std::int16_t*>(samples_.Page(first / BAT::kFramesPerPage)) +
                              first % BAT::kFramesPerPage;
        // A whole block takes the fixed-length loop, which the compiler vectorizes.
        return frames_ - first >= kOverviewStep ? ExtremesOf(samples, kOverviewStep)
                                                : ExtremesOf(samples, frames_ - first);
    };
    static_assert(kOverviewWindow == 3 * kOverviewStep);
    Extremes first = blockExtremes(0);
    Extremes second = blockExtremes(1);
    for (std::uint32_t k = 0; k < OverviewEntries(); ++k) {
        const Extremes third = blockExtremes(k + 2);
        const std::int32_t high = std::max({first.high, second.high, third.high});
        const std::int32_t low = std::min({first.low, second.low, third.low});
        // Division by 256 toward zero keeps each half within a signed byte.
        const auto highByte = static_cast<std::uint8_t>(static_cast<std::int8_t>(high / 256));
        const auto lowByte = static_cast<std::uint8_t>(static_cast<std::int8_t>(low / 256));
        overview->WriteSample(k, static_cast<std::int16_t>((highByte << 8) | lowByte));
        first = second;
        second = third;
    }
    overview_ = std::move(overview);
}
