#pragma once
// The application's one sample player. It plays a document's sound either
// as a loop between its locators, repeating, or one stretch once, resampled
// to the output rate by linear interpolation, and tracks the position being
// heard (the rendered one minus the channel's play-ahead).
//
// The user-interface thread commands it; the sound channel's feeder calls
// RenderFrames. They meet under a spin lock that the audio side only tries:
// a busy lock delays a command or a position update by one render call.
// The user-interface side waits for the audio side's acknowledgement at
// most kAcknowledgeMilliseconds; a stream that does not answer is given up
// and the player returns to idle without touching the sound again.
#include <atomic>
#include <cstdint>
#include <functional>

#include "document/playback/CSpinLock.h"

class CSoundChannel;
class CWavePlayerNotifier;
class WAVE_SAMPLE;

class CWavePlayer {
public:
    enum Command : std::uint32_t { kStartRequested = 0, kStopRequested = 1, kLoopChanged = 2, kAcknowledged = 3 };
    enum RenderState : std::uint32_t { kStopped = 0, kPlaying = 1, kSourceFinished = 2, kDone = 3 };

    static constexpr std::int64_t kPollMilliseconds = 5;
    static constexpr std::int64_t kAcknowledgeMilliseconds = 2000;
    static constexpr std::uint32_t kDefaultOutputRate = 44100;

    // `playbackCountChanged` is told +1 when a playback starts and -1 when it
    // ends (the application's playback counter).
    explicit CWavePlayer(std::function<void(int)> playbackCountChanged = {});
    CWavePlayer(const CWavePlayer&) = delete;
    CWavePlayer& operator=(const CWavePlayer&) = delete;

    // The channel that feeds the player (its rate and play-ahead), or none:
    // without a channel nothing plays. Only while nothing plays.
    void SetChannel(const CSoundChannel* channel);
    std::uint32_t OutputRate() const { return fOutputRate; }

    // Loop play from `start` between the sound's locators.
    void PlayLoop(const WAVE_SAMPLE& sample, std::int32_t start, CWavePlayerNotifier* notifier);
    // Plays [from, to) once, cut to the sound; nothing happens for an empty
    // sound or range.
    void PlayRange(const WAVE_SAMPLE& sample, std::int32_t from, std::int32_t to, CWavePlayerNotifier* notifier);
    void PlayAll(const WAVE_SAMPLE& sample, CWavePlayerNotifier* notifier);
    // Stops and waits until the audio side has stopped, then notifies.
    void StopPlayback();
    // The heard position (the last one handed out while the lock is busy).
    std::uint32_t GetPlayPosition();
    // Ends finished playbacks and passes locator changes to the audio side.
    void IdlePoll();
    // The sound being played, or none.
    const WAVE_SAMPLE* PlayingSample() const { return fSample; }
    // Whether the audio side has not yet taken the last command.
    bool CommandPending();

    // Audio thread: renders `count` interleaved frames.
    void RenderFrames(std::int16_t* frames, std::uint32_t count);
    // A sound-channel render callback whose user data is the player.
    static void RenderCallback(std::int16_t* frames, std::uint32_t count, void* player);

private:
    void Start(const WAVE_SAMPLE& sample, std::int32_t start, std::int32_t end, bool loop,
               CWavePlayerNotifier* notifier);
    void SetUp(const WAVE_SAMPLE& sample, std::int32_t start, std::int32_t end, bool loop,
               CWavePlayerNotifier* notifier);
    std::int32_t LatencyFor(const WAVE_SAMPLE& sample) const;
    // Polls until the published render state satisfies `done` or the time
    // runs out; answers whether it did. Returns holding the lock.
    bool AwaitPublishedState(bool (*done)(std::uint32_t));
    void NotifyStopped();
    void TakeCommand();
    void RenderPlaying(std::int16_t*& out, std::uint32_t& remaining);
    std::int16_t SampleAt(std::int64_t index) const;

    std::function<void(int)> fPlaybackCountChanged;
    const CSoundChannel* fChannel = nullptr;
    std::uint32_t fOutputRate = kDefaultOutputRate;
    std::uint16_t fOutputChannels = 2;
    CSpinLock fLock;

    // Command side: written by the user-interface thread under the lock.
    const WAVE_SAMPLE* fSample = nullptr;
    CWavePlayerNotifier* fNotifier = nullptr;
    std::uint32_t fCommand = kAcknowledged;
    bool fLoop = false;
    std::int64_t fStartFrame = 0;
    std::int64_t fLoopStart = 0;
    std::int64_t fLoopEnd = 0;
    std::int64_t fEndFrame = 0;
    std::int32_t fLocatorStart = 0;  // the locators as the sound had them
    std::int32_t fLocatorEnd = 0;
    std::atomic<std::int32_t> fLatency{0};
    std::uint32_t fStepInteger = 1;
    std::uint32_t fStepFraction = 0;
    std::uint32_t fPublishedState = kStopped;
    std::uint32_t fPublishedPosition = 0;
    std::uint32_t fHandedOutPosition = 0;
    // Set when the user-interface side gave a silent stream up: the audio
    // side renders silence until it has taken the next command.
    std::atomic<bool> fAbandoned{false};

    // Render side: owned by the audio thread.
    const WAVE_SAMPLE* fRenderSample = nullptr;
    std::uint32_t fState = kStopped;
    bool fRenderLoop = false;
    std::int32_t fRenderLatency = 0;
    std::uint32_t fRenderStepInteger = 1;
    std::uint32_t fRenderStepFraction = 0;
    std::int64_t fReadPosition = 0;
    std::int64_t fReadSegmentStart = 0;
    std::int64_t fRenderLoopStart = 0;
    std::int64_t fRenderLoopEnd = 0;
    std::int64_t fReadEnd = 0;
    std::uint32_t fReadPhase = 0;
    std::int64_t fHeardPosition = 0;
    std::int64_t fHeardSegmentStart = 0;
    std::int64_t fHeardEnd = 0;
    std::uint32_t fHeardPhase = 0;
};
