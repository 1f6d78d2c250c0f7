#pragma once
// A channel fed by its own thread: it keeps a chosen number of frames (the
// play-ahead) queued in a 16384-frame ring, waking eight times per play-ahead
// period and refilling only when at least an eighth is missing. The back end
// (CSoundOutput) consumes the ring; a service that finds the ring empty
// counts an underrun.
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "devices/sound/CSoundChannel.h"
#include "devices/sound/CSoundQueue.h"
#include "devices/sound/CStopSignal.h"

class CSoundOutput;

class CStreamSoundChannel final : public CSoundChannel {
public:
    static constexpr std::uint16_t kSettingCount = 18;
    static constexpr std::uint16_t kInitialSetting = 17;
    // How long Stop gives the feeder to end before it stops the output anyway.
    static constexpr std::int64_t kStopGraceMilliseconds = 2000;

    // Whether play-ahead tables exist for this output rate (44100 and 48000).
    static bool HasTables(std::uint32_t rate);

    // `rate` must have tables (else XBase).
    CStreamSoundChannel(CRegisteredSoundCard& card, std::uint32_t rate, SoundRenderCallback a, SoundRenderCallback b,
                        void* userData, std::uint16_t channels, std::unique_ptr<CSoundOutput> output);
    // Stops, then waits for the feeder however long it takes: nothing it
    // touches is freed while it runs.
    ~CStreamSoundChannel() override;

    void Start() override;
    void Stop() override;
    bool IsRunning() const override;
    std::uint16_t GetPlayAheadSettingCount() const override { return kSettingCount; }
    // An index past the last setting selects the last.
    void SetPlayAheadSetting(std::uint16_t index) override;
    std::uint16_t GetPlayAheadSetting() const override { return fSetting.load(); }
    std::uint32_t GetPlayAheadMilliseconds(std::uint16_t index) const override;
    std::uint32_t GetUnderrunCount() const override { return fUnderruns.load(); }

    // Frames kept queued, and the feeder's wait between services, for a setting.
    std::uint32_t AheadFrames(std::uint16_t index) const;
    std::uint32_t ServicePeriodMilliseconds(std::uint16_t index) const;

private:
    void Feed();
    void Service();
    void Fill(std::uint32_t frames);
    void JoinFinishedFeeder();

    const std::uint32_t* fAheadFrames;
    const std::uint32_t* fAheadMilliseconds;
    std::unique_ptr<CSoundOutput> fOutput;
    CSoundQueue fQueue;
    std::atomic<std::uint16_t> fSetting{kInitialSetting};
    std::atomic<std::uint32_t> fUnderruns{0};
    CStopSignal fStop;
    std::atomic<bool> fFeederFinished{false};
    std::thread fFeeder;
    bool fOutputStarted = false;
};
