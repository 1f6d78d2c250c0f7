#pragma once
// What one export or transfer renders: the counted slices between the
// locators as segments, the stretch, normalize and silence settings, the
// target rate and the musical data the consumers write beside the sounds.
// Outputs are indexed 0..Count()-1 by the sounds the consumer receives:
// one joined sound, or one per segment that is not silenced.
#include <cstdint>
#include <memory>
#include <vector>

class CSliceList;
class CSlicingSettings;
class WAVE_SAMPLE;

class CSliceRenderSet {
public:
    static constexpr int kMaxSegments = 1003;

    struct Segment {
        std::uint32_t start = 0;
        std::uint32_t end = 0;
        bool silenced = false;
    };

    // Segments run from the sound's left locator (its loop start) to its
    // right locator. XOutOfMemory when they cannot be built.
    CSliceRenderSet(const WAVE_SAMPLE& sound, const CSliceList& slices, const CSlicingSettings& settings);

    void SetExtraLength(std::uint32_t frames) { extraLength_ = frames; }
    // Until set (or when set to 0) the sound's own rate.
    void SetTargetRate(std::uint32_t rate) { targetRate_ = rate; }

    std::uint32_t From() const { return from_; }
    std::uint32_t To() const { return to_; }
    std::int32_t StretchFactor() const { return stretchFactor_; }
    bool Normalizes() const { return normalize_; }
    bool SilencesSelected() const { return silenceSelected_; }
    bool SeparateSamples() const { return separateSamples_; }
    std::uint32_t ExtraLength() const { return extraLength_; }
    std::uint32_t TargetRate() const;
    std::int32_t LoopTicks() const { return loopTicks_; }
    int Numerator() const { return numerator_; }
    int Denominator() const { return denominator_; }
    bool PitchMode() const { return pitchMode_; }
    std::int32_t Transposition() const { return transposition_; }
    // Thousandths of a BPM: the loop's tempo, or the new tempo in pitch mode.
    std::int32_t Tempo() const { return tempo_; }

    int SegmentCount() const { return static_cast<int>(segments_.size()); }
    const Segment& SegmentAt(int index) const { return segments_[static_cast<std::size_t>(index)]; }

    // The number of sounds the consumer receives.
    int Count() const;
    // The source range of output k: its segment, or from..to for the joined sound.
    Segment OutputSegment(int k) const;
    // Frames of output k at the target rate.
    std::uint32_t RenderedLength(int k) const;
    // The sum over all outputs (as RenderedLength for each).
    std::uint64_t TotalLength() const;
    // The tick at which the source frame lies within the loop.
    std::int64_t TickOf(std::uint32_t frame) const;
    // Output k as a new sound at the target rate. XInternalError for k
    // outside 0..Count()-1, XOutOfMemory when it does not fit.
    std::unique_ptr<WAVE_SAMPLE> Render(int k) const;

private:
    std::uint64_t RenderedLength(const Segment& segment, std::uint32_t extra) const;
    int SegmentOfOutput(int k) const;
    std::unique_ptr<WAVE_SAMPLE> RenderSegment(const Segment& segment, std::uint32_t extra) const;
    std::unique_ptr<WAVE_SAMPLE> RenderJoined() const;

    const WAVE_SAMPLE& sound_;
    std::uint32_t from_ = 0;
    std::uint32_t to_ = 0;
    std::int32_t stretchFactor_ = 1000;
    bool normalize_ = false;
    bool silenceSelected_ = false;
    bool separateSamples_ = true;
    std::uint32_t extraLength_ = 0;
    std::uint32_t targetRate_ = 0;
    std::int32_t loopTicks_ = 0;
    int numerator_ = 4;
    int denominator_ = 4;
    bool pitchMode_ = false;
    std::int32_t transposition_ = 0;
    std::int32_t tempo_ = 0;
    std::vector<Segment> segments_;
};
