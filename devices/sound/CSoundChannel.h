#pragma once
// An open output stream on one sound card. The application renders into it
// through two callbacks: for every region to fill, A and then B are called on
// the same region (the application makes exactly one of them render).
#include <cstdint>

class CRegisteredSoundCard;

// Must write exactly `count` interleaved 16-bit frames.
using SoundRenderCallback = void (*)(std::int16_t* frames, std::uint32_t count, void* userData);

class CSoundChannel {
public:
    CSoundChannel(CRegisteredSoundCard& card, std::uint32_t granule, std::uint32_t rate, SoundRenderCallback a,
                  SoundRenderCallback b, void* userData, std::uint16_t channels);
    virtual ~CSoundChannel() = default;
    CSoundChannel(const CSoundChannel&) = delete;
    CSoundChannel& operator=(const CSoundChannel&) = delete;

    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
    virtual std::uint16_t GetPlayAheadSettingCount() const = 0;
    virtual void SetPlayAheadSetting(std::uint16_t index) = 0;
    virtual std::uint16_t GetPlayAheadSetting() const = 0;
    virtual std::uint32_t GetPlayAheadMilliseconds(std::uint16_t index) const = 0;
    virtual std::uint32_t GetUnderrunCount() const = 0;

    CRegisteredSoundCard& Card() const { return fCard; }
    std::uint32_t Granule() const { return fGranule; }
    std::uint32_t Rate() const { return fRate; }
    std::uint16_t Channels() const { return fChannels; }

protected:
    // Callback A, then callback B, on one region.
    void Render(std::int16_t* frames, std::uint32_t count);

private:
    CRegisteredSoundCard& fCard;
    std::uint32_t fGranule;
    std::uint32_t fRate;
    SoundRenderCallback fCallbackA;
    SoundRenderCallback fCallbackB;
    void* fUserData;
    std::uint16_t fChannels;
};
