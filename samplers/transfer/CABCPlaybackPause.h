#pragma once
// Playback stops for the length of a transfer, so the sound output does not
// compete with the sampler's data, and goes on after it. The program fills
// this with its sound setup's pause; the batch tool has no playback.
class CABCPlaybackPause {
public:
    virtual ~CABCPlaybackPause() = default;

    virtual void PausePlayback() = 0;
    virtual void ResumePlayback() = 0;
};

// Pauses playback while it lives (nothing when given no pause).
class CPlaybackPauseScope {
public:
    explicit CPlaybackPauseScope(CABCPlaybackPause* pause) : fPause(pause)
    {
        if (fPause)
            fPause->PausePlayback();
    }
    ~CPlaybackPauseScope()
    {
        if (fPause)
            fPause->ResumePlayback();
    }
    CPlaybackPauseScope(const CPlaybackPauseScope&) = delete;
    CPlaybackPauseScope& operator=(const CPlaybackPauseScope&) = delete;

private:
    CABCPlaybackPause* fPause;
};
