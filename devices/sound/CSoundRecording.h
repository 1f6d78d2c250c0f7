#pragma once
// What a file card heard: interleaved 16-bit frames kept in memory and, when
// asked, written as a WAV file. In fast mode the recording also gates its
// card: the card records only as many frames as it is allowed, so a test can
// hold playback at an exact point, act, and let it go on.
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <mutex>
#include <string>
#include <vector>

class CStopSignal;

class CSoundRecording {
public:
    std::uint64_t Frames() const;
    std::uint16_t Channels() const;
    std::uint32_t Rate() const;
    // A copy of everything recorded so far.
    std::vector<std::int16_t> Samples() const;

    // Card side.
    void Begin(std::uint32_t rate, std::uint16_t channels);
    void Append(const std::int16_t* frames, std::uint32_t count);
    // Waits until some frames may be recorded and answers how many (at most
    // `wanted`); answers 0 once `stop` is set.
    std::uint32_t WaitForRoom(std::uint32_t wanted, const CStopSignal& stop);
    // Extra frames that the next pace consumes at once (a late feeder).
    std::uint32_t TakeStall();

    // Test side: from now on record nothing more until allowed.
    void Hold();
    // Lets `frames` more frames be recorded.
    void Allow(std::uint64_t frames);
    // Waits until the card has recorded all it was allowed and is waiting.
    void WaitUntilHeld();
    // The next pace also consumes `frames` frames: the queue runs dry.
    void Stall(std::uint32_t frames);

    // Writes the recording as a 16-bit PCM WAV file; the file appears whole
    // or not at all. Answers false when it could not be written.
    bool WriteWave(const std::string& path) const;

private:
    static constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();

    mutable std::mutex fMutex;
    std::condition_variable fChanged;
    std::vector<std::int16_t> fSamples;
    std::uint32_t fRate = 44100;
    std::uint16_t fChannels = 2;
    std::uint64_t fLimit = kUnlimited;
    std::uint32_t fStall = 0;
    bool fWaiting = false;
};
