#include "slicing/CSliceRenderSet.h"

#include <cmath>
#include <new>

#include "framework/exceptions/GeneralExceptions.h"
#include "slicing/CSliceList.h"
#include "slicing/CSlicingSettings.h"
#include "slicing/SliceStretch.h"
#include "slicing/Tempo.h"
#include "sound/BAT.h"
#include "sound/RateConversion.h"
#include "sound/SampleBlock.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

std::unique_ptr<WAVE_SAMPLE> NewSound(const char* name, std::uint32_t rate, std::uint64_t frames)
{
    if (frames > BAT::kMaxSize / 2)
        throw XOutOfMemory();
    try {
        return std::make_unique<WAVE_SAMPLE>(name, rate, static_cast<std::uint32_t>(frames));
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
}

} // namespace

CSliceRenderSet::CSliceRenderSet(const WAVE_SAMPLE& sound, const CSliceList& slices,
                                 const CSlicingSettings& settings)
    : sound_(sound),
      from_(static_cast<std::uint32_t>(sound.LoopStart())),
      to_(static_cast<std::uint32_t>(sound.LoopEnd())),
      stretchFactor_(settings.StretchFactor()),
      normalize_(settings.normalize),
      silenceSelected_(settings.silenceSelected),
      separateSamples_(settings.separateSamples),
      loopTicks_(settings.LoopTicks()),
      pitchMode_(settings.pitchMode)
{
    const TimeSignature signature = TimeSignatureOf(settings.signature);
    numerator_ = signature.numerator;
    denominator_ = signature.denominator;
    tempo_ = settings.Tempo(sound);
    if (pitchMode_) {
        transposition_ = TranspositionCents(settings.newTempo, tempo_);
        tempo_ = settings.newTempo;
    }

    try {
        segments_.reserve(kMaxSegments);
        for (int i = slices.First(SliceFilter::kCounted); i >= 0; i = slices.Next(i, SliceFilter::kCounted)) {
            const CSlice& slice = slices.Entry(i);
            if (slice.position < from_ || slice.position >= to_)
                continue;
            if (segments_.empty() && slice.position > from_)
                segments_.push_back({from_, 0, false});
            if (!segments_.empty())
                segments_.back().end = slice.position;
            segments_.push_back({slice.position, 0, silenceSelected_ && slice.selected != 0});
        }
        if (segments_.empty())
            segments_.push_back({from_, 0, false});
        segments_.back().end = to_;
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
}

std::uint32_t CSliceRenderSet::TargetRate() const
{
    return targetRate_ != 0 ? targetRate_ : sound_.Rate();
}

int CSliceRenderSet::Count() const
{
    if (!separateSamples_)
        return 1;
    int count = 0;
    for (const Segment& segment : segments_)
        count += segment.silenced ? 0 : 1;
    return count;
}

int CSliceRenderSet::SegmentOfOutput(int k) const
{
    if (k < 0 || k >= Count())
        throw XInternalError();
    for (int i = 0; i < SegmentCount(); ++i)
        if (!segments_[static_cast<std::size_t>(i)].silenced && k-- == 0)
            return i;
    throw XInternalError();
}

CSliceRenderSet::Segment CSliceRenderSet::OutputSegment(int k) const
{
    if (!separateSamples_) {
        if (k != 0)
            throw XInternalError();
        return {from_, to_, false};
    }
    return SegmentAt(SegmentOfOutput(k));
}

std::uint64_t CSliceRenderSet::RenderedLength(const Segment& segment, std::uint32_t extra) const
{
    if (sound_.Rate() == 0)
        return 0;
    const std::int64_t stretched = StretchedLength(std::int64_t{segment.end} - segment.start, stretchFactor_);
    const double frames = static_cast<double>(stretched + extra) * TargetRate() / sound_.Rate();
    return static_cast<std::uint64_t>(std::ceil(frames));
}

std::uint32_t CSliceRenderSet::RenderedLength(int k) const
{
    std::uint64_t frames = 0;
    if (separateSamples_) {
        frames = RenderedLength(SegmentAt(SegmentOfOutput(k)), extraLength_);
    } else {
        if (k != 0)
            throw XInternalError();
        frames = TotalLength();
    }
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(frames, 0xFFFFFFFFu));
}

std::uint64_t CSliceRenderSet::TotalLength() const
{
    std::uint64_t total = 0;
    for (const Segment& segment : segments_) {
        if (!separateSamples_)
            total += RenderedLength(segment, 0);
        else if (!segment.silenced)
            total += RenderedLength(segment, extraLength_);
    }
    return separateSamples_ ? total : total + extraLength_;
}

std::int64_t CSliceRenderSet::TickOf(std::uint32_t frame) const
{
    return FramesToTicks(std::int64_t{frame} - from_, loopTicks_, std::int64_t{to_} - from_);
}

std::unique_ptr<WAVE_SAMPLE> CSliceRenderSet::Render(int k) const
{
    if (!separateSamples_) {
        if (k != 0)
            throw XInternalError();
        return RenderJoined();
    }
    return RenderSegment(SegmentAt(SegmentOfOutput(k)), extraLength_);
}

std::unique_ptr<WAVE_SAMPLE> CSliceRenderSet::RenderSegment(const Segment& segment, std::uint32_t extra) const
{
    const std::uint32_t length = segment.end - segment.start;
    const std::int64_t stretched = StretchedLength(length, stretchFactor_);
    const auto temporary = NewSound("Temporary", sound_.Rate(), static_cast<std::uint64_t>(stretched));
    StretchSegment(sound_.Samples(), segment.start, length, temporary->Samples(), temporary->Frames());

    auto result = NewSound(sound_.Name(), TargetRate(), RenderedLength(segment, extra));
    ConvertRate(temporary->Samples(), temporary->Frames(), sound_.Rate(), result->Samples(), TargetRate());
    if (normalize_)
        Normalize(*result);
    return result;
}

std::unique_ptr<WAVE_SAMPLE> CSliceRenderSet::RenderJoined() const
{
    auto joined = NewSound(sound_.Name(), TargetRate(), TotalLength());
    std::uint32_t offset = 0;
    for (const Segment& segment : segments_) {
        const auto length = static_cast<std::uint32_t>(RenderedLength(segment, 0));
        if (!segment.silenced) {
            const auto piece = RenderSegment(segment, 0);
            BAT::CopyBytes(piece->Samples(), 0, joined->Samples(), offset * 2, length * 2);
        }
        offset += length;
    }
    return joined;
}
