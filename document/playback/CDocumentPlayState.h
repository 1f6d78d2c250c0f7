#pragma once
// A document window's side of playback, without any drawing: its play mode,
// play position and current slice, the five play commands of its toolbar,
// the slice-view click, which play button shows pressed, the position the
// views draw, and whether a waveform view follows the playback.
//
// Slices are the counted slices of the window's slice list. A single stretch
// is played only when it is at least kShortestStretch frames long.
#include <cstdint>

class CSliceList;
class CWavePlayer;
class CWavePlayerNotifier;
class WAVE_SAMPLE;

class CDocumentPlayState {
public:
    enum PlayMode : std::uint8_t { kLoop = 0, kCurrentSlice = 1, kPreviousSlice = 2, kSliceAndNext = 3 };
    static constexpr std::int64_t kShortestStretch = 256;
    static constexpr int kNoSlice = -1;

    CDocumentPlayState(CWavePlayer& player, const WAVE_SAMPLE& sound, const CSliceList& slices,
                       CWavePlayerNotifier& notifier);

    // Without sound the play commands do nothing and Stop only moves the
    // play position.
    void SetSoundAvailable(bool available) { fSoundAvailable = available; }

    void PlayLoop();
    void PlayCurrentSlice();
    void PlayPreviousSlice();
    void PlaySliceAndMoveToNext();
    void Stop();
    // A click at `frame` in the slice view.
    void ClickSlices(std::int64_t frame);

    // Whether this window's sound is the one playing.
    bool IsPlaying() const;
    bool IsButtonPressed(PlayMode button) const { return IsPlaying() && fMode == button; }
    // The player's heard position while this sound plays, else the stored one.
    std::int64_t ViewPlayPosition() const;
    // Whether a waveform view scrolls along now; call once per check.
    bool ShouldFollow(bool scrollDuringPlayback, bool dragging, bool mouseDown);

    PlayMode Mode() const { return fMode; }
    std::int64_t PlayPosition() const { return fPlayPosition; }
    void SetPlayPosition(std::int64_t frame) { fPlayPosition = frame; }
    int CurrentSlice() const { return fCurrentSlice; }
    void SetCurrentSlice(int slice) { fCurrentSlice = slice; }

private:
    // The slice containing the play position, else the first slice; false
    // (after playing the whole sound in `mode`) when there are no slices.
    bool TakeCurrentSlice(PlayMode mode);
    void PlayOnce(std::int64_t from, std::int64_t to);
    void PlaySlice(int slice);
    bool InsideLoop(std::int64_t frame) const;
    std::int64_t Start(int slice) const;
    int NextSlice(int slice) const;
    int PreviousSlice(int slice) const;

    CWavePlayer& fPlayer;
    const WAVE_SAMPLE& fSound;
    const CSliceList& fSlices;
    CWavePlayerNotifier& fNotifier;
    bool fSoundAvailable = true;
    PlayMode fMode = kLoop;
    std::int64_t fPlayPosition = 0;
    int fCurrentSlice = kNoSlice;
    bool fWasPlaying = false;
};
