#include "document/playback/CWavePlayer.h"

#include <algorithm>

#include "devices/sound/CSoundChannel.h"
#include "document/playback/CWavePlayerNotifier.h"
#include "framework/time/CClock.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::uint32_t kPhaseOne = 32768;

struct LoopRange {
    std::int64_t start;
    std::int64_t end;
};

// The locators held inside a sound of `frames` (at least 1) frames and never
// empty: a loop whose ends meet plays the frame before them, or frames 0-1.
LoopRange NonEmptyLoop(std::int64_t start, std::int64_t end, std::int64_t frames)
{
    start = std::clamp<std::int64_t>(start, 0, frames);
    end = std::clamp<std::int64_t>(end, start, frames);
    if (start == end) {
        if (start < 1)
            end = start + 1;
        else
            start = start - 1;
    }
    return {start, end};
}

// One step of a position with a 15-bit phase.
inline void Advance(std::int64_t& position, std::uint32_t& phase, std::uint32_t stepInteger,
                    std::uint32_t stepFraction)
{
    phase += stepFraction;
    position += stepInteger;
    if (phase >= kPhaseOne) {
        phase -= kPhaseOne;
        position += 1;
    }
}

}  // namespace

CWavePlayer::CWavePlayer(std::function<void(int)> playbackCountChanged)
    : fPlaybackCountChanged(std::move(playbackCountChanged))
{
}

void CWavePlayer::SetChannel(const CSoundChannel* channel)
{
    fChannel = channel;
    if (channel) {
        fOutputRate = channel->Rate();
        fOutputChannels = channel->Channels();
    }
}

void CWavePlayer::PlayLoop(const WAVE_SAMPLE& sample, std::int32_t start, CWavePlayerNotifier* notifier)
{
    Start(sample, start, sample.LoopEnd(), true, notifier);
}

void CWavePlayer::PlayRange(const WAVE_SAMPLE& sample, std::int32_t from, std::int32_t to,
                            CWavePlayerNotifier* notifier)
{
    // Only the part of the range inside the sound is played.
    from = std::max(from, 0);
    to = static_cast<std::int32_t>(std::min<std::int64_t>(to, sample.Frames()));
    if (from >= to)
        return;
    Start(sample, from, to, false, notifier);
}

void CWavePlayer::PlayAll(const WAVE_SAMPLE& sample, CWavePlayerNotifier* notifier)
{
    PlayRange(sample, 0, static_cast<std::int32_t>(sample.Frames()), notifier);
}

std::int32_t CWavePlayer::LatencyFor(const WAVE_SAMPLE& sample) const
{
    if (!fChannel)
        return 0;
    const std::uint64_t milliseconds = fChannel->GetPlayAheadMilliseconds(fChannel->GetPlayAheadSetting());
    return static_cast<std::int32_t>(milliseconds * sample.Rate() / 1000);
}

void CWavePlayer::SetUp(const WAVE_SAMPLE& sample, std::int32_t start, std::int32_t end, bool loop,
                        CWavePlayerNotifier* notifier)
{
    const std::int64_t frames = sample.Frames();
    fSample = &sample;
    fNotifier = notifier;
    fLoop = loop;
    fLocatorStart = sample.LoopStart();
    fLocatorEnd = sample.LoopEnd();
    const LoopRange range = NonEmptyLoop(fLocatorStart, fLocatorEnd, frames);
    fLoopStart = range.start;
    fLoopEnd = range.end;
    // Nothing outside the sound is ever read: the first frame read lies in
    // it, and every end lies at or before its last frame + 1.
    fStartFrame = std::clamp<std::int64_t>(start, 0, frames - 1);
    fEndFrame = loop ? fLoopEnd : std::clamp<std::int64_t>(end, fStartFrame + 1, frames);
    fLatency.store(LatencyFor(sample));
    const std::uint64_t step = std::max<std::uint64_t>(1, std::uint64_t{sample.Rate()} * kPhaseOne / fOutputRate);
    fStepInteger = static_cast<std::uint32_t>(step / kPhaseOne);
    fStepFraction = static_cast<std::uint32_t>(step % kPhaseOne);
}

void CWavePlayer::Start(const WAVE_SAMPLE& sample, std::int32_t start, std::int32_t end, bool loop,
                        CWavePlayerNotifier* notifier)
{
    StopPlayback();
    if (!fChannel || sample.Frames() == 0)
        return;
    fLock.Lock();
    SetUp(sample, start, end, loop, notifier);
    fLock.Unlock();
    fLock.Lock();
    if (fPublishedState == kStopped)
        fCommand = kStartRequested;
    fLock.Unlock();
    if (!AwaitPublishedState([](std::uint32_t state) { return state != kStopped; })) {
        // The stream does not answer: withdraw the start.
        fCommand = kStopRequested;
        fAbandoned.store(true);
        fSample = nullptr;
        fNotifier = nullptr;
        fLock.Unlock();
        return;
    }
    fLock.Unlock();
    if (fPlaybackCountChanged)
        fPlaybackCountChanged(+1);
    if (notifier)
        notifier->PlaybackStarted();
}

bool CWavePlayer::AwaitPublishedState(bool (*done)(std::uint32_t))
{
    CClock& clock = CClock::Current();
    const std::int64_t since = clock.Milliseconds();
    for (;;) {
        if (fLock.TryLock()) {
            if (done(fPublishedState))
                return true;
            if (clock.Milliseconds() - since >= kAcknowledgeMilliseconds)
                return false;
            fLock.Unlock();
        }
        clock.Sleep(kPollMilliseconds);
    }
}

void CWavePlayer::StopPlayback()
{
    fLock.Lock();
    const bool requested = fPublishedState != kStopped;
    if (requested)
        fCommand = kStopRequested;
    fLock.Unlock();
    if (!requested) {
        fLock.Lock();
        fSample = nullptr;
        fNotifier = nullptr;
        fLock.Unlock();
        return;
    }
    if (!AwaitPublishedState([](std::uint32_t state) { return state == kStopped; })) {
        // The stream does not answer: it must not touch this sound again.
        fPublishedState = kStopped;
        fAbandoned.store(true);
    }
    fLock.Unlock();
    NotifyStopped();
}

void CWavePlayer::NotifyStopped()
{
    fLock.Lock();
    CWavePlayerNotifier* notifier = fNotifier;
    fSample = nullptr;
    fNotifier = nullptr;
    fLock.Unlock();
    if (notifier)
        notifier->PlaybackStopped();
    if (fPlaybackCountChanged)
        fPlaybackCountChanged(-1);
}

std::uint32_t CWavePlayer::GetPlayPosition()
{
    if (fLock.TryLock()) {
        fHandedOutPosition = fPublishedPosition;
        fLock.Unlock();
    }
    return fHandedOutPosition;
}

bool CWavePlayer::CommandPending()
{
    fLock.Lock();
    const bool pending = fCommand != kAcknowledged;
    fLock.Unlock();
    return pending;
}

void CWavePlayer::IdlePoll()
{
    if (!fSample)
        return;
    const WAVE_SAMPLE& sample = *fSample;
    fLatency.store(LatencyFor(sample));
    if (!fLock.TryLock())
        return;
    bool stop = fPublishedState == kDone;
    if (!stop && fCommand == kAcknowledged &&
        (sample.LoopStart() != fLocatorStart || sample.LoopEnd() != fLocatorEnd)) {
        if (sample.LoopStart() != sample.LoopEnd()) {
            fLocatorStart = sample.LoopStart();
            fLocatorEnd = sample.LoopEnd();
            const LoopRange range = NonEmptyLoop(fLocatorStart, fLocatorEnd, sample.Frames());
            fLoopStart = range.start;
            fLoopEnd = range.end;
            fCommand = kLoopChanged;
        } else {
            stop = true;
        }
    }
    fLock.Unlock();
    if (stop)
        StopPlayback();
}

void CWavePlayer::RenderCallback(std::int16_t* frames, std::uint32_t count, void* player)
{
    static_cast<CWavePlayer*>(player)->RenderFrames(frames, count);
}

void CWavePlayer::TakeCommand()
{
    fRenderLatency = fLatency.load();
    if (fAbandoned.load()) {
        fState = kStopped;
        fRenderSample = nullptr;
        fAbandoned.store(false);
    }
    switch (fCommand) {
    case kStartRequested:
        fRenderSample = fSample;
        fRenderStepInteger = fStepInteger;
        fRenderStepFraction = fStepFraction;
        fRenderLoopStart = fLoopStart;
        fRenderLoopEnd = fLoopEnd;
        fReadEnd = fHeardEnd = fEndFrame;
        fState = kPlaying;
        fReadPosition = fReadSegmentStart = fStartFrame;
        fRenderLoop = fLoop;
        fHeardPosition = fStartFrame - fRenderLatency;
        fHeardSegmentStart = fStartFrame;
        fReadPhase = fHeardPhase = 0;
        break;
    case kStopRequested:
        fState = kStopped;
        fRenderSample = nullptr;
        break;
    case kLoopChanged:
        fRenderLoopStart = fLoopStart;
        fRenderLoopEnd = fLoopEnd;
        if (fRenderLoop && fReadPosition < fLoopEnd)
            fReadEnd = fLoopEnd;
        if (fRenderLoop && fHeardPosition < fLoopEnd)
            fHeardEnd = fLoopEnd;
        break;
    default:
        break;
    }
    fCommand = kAcknowledged;
    fPublishedState = fState;
}

std::int16_t CWavePlayer::SampleAt(std::int64_t index) const
{
    return fRenderSample->Sample(static_cast<std::uint32_t>(index));
}

void CWavePlayer::RenderPlaying(std::int16_t*& out, std::uint32_t& remaining)
{
    const std::uint16_t channels = fOutputChannels;
    for (; remaining > 0 && fState == kPlaying; --remaining, out += channels) {
        const std::int32_t s0 = SampleAt(fReadPosition);
        std::int32_t s1 = 0;
        if (fReadPosition + 1 < fReadEnd)
            s1 = SampleAt(fReadPosition + 1);
        else if (fRenderLoop)
            s1 = SampleAt(fRenderLoopStart);
        const std::int64_t value = s0 + std::int64_t{s1 - s0} * fReadPhase / kPhaseOne;
        const auto sample = static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
        std::fill(out, out + channels, sample);

        Advance(fReadPosition, fReadPhase, fRenderStepInteger, fRenderStepFraction);
        if (fReadPosition >= fReadEnd) {
            if (fRenderLoop) {
                fReadPosition = fReadSegmentStart = fRenderLoopStart;
                fReadEnd = fRenderLoopEnd;
                fReadPhase = 0;
            } else {
                fState = kSourceFinished;
            }
        }

        Advance(fHeardPosition, fHeardPhase, fRenderStepInteger, fRenderStepFraction);
        if (fRenderLoop && fHeardPosition >= fHeardEnd) {
            // Back by the latency into the pass being read, whole loops at once.
            std::int64_t heard = fReadPosition - fRenderLatency;
            const std::int64_t length = fReadEnd - fReadSegmentStart;
            if (heard < fReadSegmentStart)
                heard += (fReadSegmentStart - heard + length - 1) / length * length;
            fHeardPosition = heard;
            fHeardSegmentStart = fReadSegmentStart;
            fHeardEnd = fReadEnd;
            fHeardPhase = 0;
        }
    }
}

void CWavePlayer::RenderFrames(std::int16_t* frames, std::uint32_t count)
{
    if (fLock.TryLock()) {
        TakeCommand();
        fLock.Unlock();
    }
    std::int16_t* out = frames;
    std::uint32_t remaining = count;
    if (!fAbandoned.load() && fState == kPlaying)
        RenderPlaying(out, remaining);
    std::fill(out, out + std::size_t{remaining} * fOutputChannels, std::int16_t{0});
    for (; remaining > 0 && fState == kSourceFinished; --remaining) {
        Advance(fHeardPosition, fHeardPhase, fRenderStepInteger, fRenderStepFraction);
        if (fHeardPosition >= fHeardEnd)
            fState = kDone;
    }
    if (fLock.TryLock()) {
        fPublishedPosition = static_cast<std::uint32_t>(std::max<std::int64_t>(
            0, std::max(fHeardPosition, fHeardSegmentStart)));
        fLock.Unlock();
    }
}
