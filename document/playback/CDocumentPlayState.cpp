#include "document/playback/CDocumentPlayState.h"

#include "document/playback/CWavePlayer.h"
#include "slicing/CSliceList.h"
#include "sound/WAVE_SAMPLE.h"

CDocumentPlayState::CDocumentPlayState(CWavePlayer& player, const WAVE_SAMPLE& sound, const CSliceList& slices,
                                       CWavePlayerNotifier& notifier)
    : fPlayer(player), fSound(sound), fSlices(slices), fNotifier(notifier)
{
}

bool CDocumentPlayState::IsPlaying() const
{
    return fPlayer.PlayingSample() == &fSound;
}

std::int64_t CDocumentPlayState::ViewPlayPosition() const
{
    return IsPlaying() ? fPlayer.GetPlayPosition() : fPlayPosition;
}

bool CDocumentPlayState::ShouldFollow(bool scrollDuringPlayback, bool dragging, bool mouseDown)
{
    const bool playing = IsPlaying();
    const bool follow = (playing || fWasPlaying) && scrollDuringPlayback && !dragging && !mouseDown;
    fWasPlaying = playing;
    return follow;
}

std::int64_t CDocumentPlayState::Start(int slice) const
{
    return fSlices.Entry(slice).position;
}

bool CDocumentPlayState::InsideLoop(std::int64_t frame) const
{
    return fSound.LoopStart() <= frame && frame < fSound.LoopEnd();
}

int CDocumentPlayState::NextSlice(int slice) const
{
    const int next = fSlices.Next(slice, SliceFilter::kCounted);
    return next >= 0 ? next : fSlices.First(SliceFilter::kCounted);
}

int CDocumentPlayState::PreviousSlice(int slice) const
{
    int previous = kNoSlice;
    for (int i = fSlices.First(SliceFilter::kCounted); i >= 0 && Start(i) < Start(slice);
         i = fSlices.Next(i, SliceFilter::kCounted))
        previous = i;
    return previous != kNoSlice ? previous : fSlices.Last(SliceFilter::kCounted);
}

void CDocumentPlayState::PlayOnce(std::int64_t from, std::int64_t to)
{
    if (to - from >= kShortestStretch)
        fPlayer.PlayRange(fSound, static_cast<std::int32_t>(from), static_cast<std::int32_t>(to), &fNotifier);
}

void CDocumentPlayState::PlaySlice(int slice)
{
    PlayOnce(Start(slice), Start(slice) + fSlices.Length(slice));
}

bool CDocumentPlayState::TakeCurrentSlice(PlayMode mode)
{
    fCurrentSlice = fSlices.CountedContaining(fPlayPosition);
    if (fCurrentSlice != kNoSlice)
        return true;
    fCurrentSlice = fSlices.First(SliceFilter::kCounted);
    if (fCurrentSlice != kNoSlice)
        return true;
    PlayOnce(0, fSound.Frames());
    fMode = mode;
    return false;
}

void CDocumentPlayState::PlayLoop()
{
    if (!fSoundAvailable || IsPlaying())
        return;
    if (fPlayPosition >= fSound.LoopEnd())
        fPlayPosition = fSound.LoopStart();
    fPlayer.PlayLoop(fSound, static_cast<std::int32_t>(fPlayPosition), &fNotifier);
    if (IsPlaying())
        fMode = kLoop;
}

void CDocumentPlayState::PlayCurrentSlice()
{
    if (!fSoundAvailable || !TakeCurrentSlice(kCurrentSlice))
        return;
    PlaySlice(fCurrentSlice);
    fMode = kCurrentSlice;
}

void CDocumentPlayState::PlaySliceAndMoveToNext()
{
    if (!fSoundAvailable || !TakeCurrentSlice(kSliceAndNext))
        return;
    fPlayPosition = Start(fCurrentSlice);
    const bool wasInside = InsideLoop(fPlayPosition);
    PlaySlice(fCurrentSlice);
    fCurrentSlice = NextSlice(fCurrentSlice);
    fPlayPosition = Start(fCurrentSlice);
    if (wasInside && !InsideLoop(fPlayPosition)) {
        fCurrentSlice = kNoSlice;
        fPlayPosition = fSound.LoopStart();
    }
    fMode = kSliceAndNext;
}

void CDocumentPlayState::PlayPreviousSlice()
{
    if (!fSoundAvailable || !TakeCurrentSlice(kPreviousSlice))
        return;
    const bool wasInside = InsideLoop(Start(fCurrentSlice));
    int previous = PreviousSlice(fCurrentSlice);
    if (wasInside && !InsideLoop(Start(previous))) {
        const int last = fSlices.CountedContaining(fSound.LoopEnd() - 1);
        if (last != kNoSlice)
            previous = last;
    }
    fCurrentSlice = previous;
    // The position goes along, so that the next press reaches further back.
    fPlayPosition = Start(fCurrentSlice);
    PlaySlice(fCurrentSlice);
    fMode = kPreviousSlice;
}

void CDocumentPlayState::Stop()
{
    if (!IsPlaying()) {
        fPlayPosition = fPlayPosition > fSound.LoopStart() ? fSound.LoopStart() : 0;
        return;
    }
    const std::int64_t heard = fPlayer.GetPlayPosition();
    fPlayer.StopPlayback();
    fCurrentSlice = fSlices.CountedContaining(heard);
    if (fCurrentSlice != kNoSlice) {
        fPlayPosition = Start(fCurrentSlice);
        if (fPlayPosition >= fSound.LoopStart())
            return;
    }
    if (heard >= fSound.LoopStart())
        fPlayPosition = fSound.LoopStart();
}

void CDocumentPlayState::ClickSlices(std::int64_t frame)
{
    if (!fSoundAvailable)
        return;
    const int slice = fSlices.CountedContaining(frame);
    if (slice != kNoSlice) {
        fCurrentSlice = slice;
        PlaySlice(slice);
        fMode = kCurrentSlice;
        return;
    }
    fPlayPosition = frame < fSound.LoopStart() ? 0 : fSound.LoopStart();
    PlayOnce(fPlayPosition, fSound.Frames());
}
