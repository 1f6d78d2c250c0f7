#pragma once
// The file card's output: records exactly the frames a device would have
// played. In real time it takes the queue at the real rate like the null
// card; in fast mode the feeder's own waits consume the frames of each wait
// at once, so playback runs as fast as the machine can render, in the same
// order of services and takes as in real time.
#include <atomic>
#include <string>

#include "devices/sound/CClockedSoundOutput.h"

class CSoundRecording;

class CFileSoundOutput final : public CClockedSoundOutput {
public:
    // An empty `path` keeps the recording in memory only; otherwise the
    // whole recording is written there as a WAV file at every Stop.
    CFileSoundOutput(std::uint32_t rate, std::uint16_t channels, CSoundRecording& recording, std::string path,
                     bool fast);
    ~CFileSoundOutput() override;

    void Start(CSoundQueue& queue) override;
    void Stop() override;
    bool Pace(std::uint32_t milliseconds, CStopSignal& stop) override;

protected:
    void Consume(const std::int16_t* frames, std::uint32_t count) override;

private:
    CSoundRecording& fRecording;
    std::string fPath;
    bool fFast;
    std::atomic<CSoundQueue*> fQueue{nullptr};
    bool fStarted = false;
};
