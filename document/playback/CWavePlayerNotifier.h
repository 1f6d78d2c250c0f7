#pragma once
// Told by the wave player when a playback it started has begun or ended.
class CWavePlayerNotifier {
public:
    virtual void PlaybackStopped() = 0;
    virtual void PlaybackStarted() = 0;

protected:
    ~CWavePlayerNotifier() = default;
};
