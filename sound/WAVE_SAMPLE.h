#pragma once
// The sound of one document: mono 16-bit samples in a paged store, its rate,
// its name, the loop range that the left and right locators set, and a
// waveform overview built the first time a view asks for it.
#include <array>
#include <cstdint>
#include <memory>

#include "sound/BAT.h"

class WAVE_SAMPLE {
public:
    static constexpr std::size_t kNameLength = 67;
    // One overview entry stands for this many frames.
    static constexpr std::uint32_t kOverviewStep = 32;
    // and looks at this many frames from its start.
    static constexpr std::uint32_t kOverviewWindow = 96;

    // A silent sound with the loop over the whole sound. XOutOfMemory when
    // the samples do not fit in a store.
    WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames);
    // The same holding a copy of frames samples.
    WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames, const std::int16_t* samples);
    // The same with its samples written page by page by fill (BAT).
    WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames, const BAT::PageFiller& fill);
    // The initial loop range is validated as SetLoop does.
    WAVE_SAMPLE(const char* name, std::uint32_t rate, std::uint32_t frames, std::int32_t loopStart,
                std::int32_t loopEnd, bool loopSet);
    virtual ~WAVE_SAMPLE();
    WAVE_SAMPLE(const WAVE_SAMPLE&) = delete;
    WAVE_SAMPLE& operator=(const WAVE_SAMPLE&) = delete;

    const char* Name() const { return name_.data(); }
    // Longer names are cut to kNameLength characters.
    void SetName(const char* name);
    std::uint32_t Rate() const { return rate_; }
    std::uint32_t Frames() const { return frames_; }
    BAT& Samples() { return samples_; }
    const BAT& Samples() const { return samples_; }
    std::int16_t Sample(std::uint32_t i) const { return samples_.ReadSample(i); }

    // Entry k: high byte the largest, low byte the smallest of up to 96 frames
    // from frame 32k, each divided by 256. Built on first use.
    const BAT& Overview() const;
    std::uint32_t OverviewEntries() const { return frames_ / kOverviewStep; }

    std::int32_t LoopStart() const { return loopStart_; }
    std::int32_t LoopEnd() const { return loopEnd_; }
    bool LoopSet() const { return loopSet_; }
    void SetLoopStart(std::int32_t start);
    void SetLoopEnd(std::int32_t end);
    // A range of at least one frame with a non-negative start is clamped into
    // the sound; any other range, or the flag off, becomes the whole sound.
    void SetLoop(std::int32_t start, std::int32_t end, bool set);
    void ResetLoop();

    // Three bytes for the owner's use, cleared at creation.
    std::array<std::uint8_t, 3>& Flags() { return flags_; }
    const std::array<std::uint8_t, 3>& Flags() const { return flags_; }

private:
    void BuildOverview() const;

    std::array<char, kNameLength + 1> name_{};
    std::uint32_t rate_ = 0;
    std::uint32_t frames_ = 0;
    BAT samples_;
    mutable std::unique_ptr<BAT> overview_;
    std::int32_t loopStart_ = 0;
    std::int32_t loopEnd_ = 0;
    bool loopSet_ = true;
    std::array<std::uint8_t, 3> flags_{};
};
