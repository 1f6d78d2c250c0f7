#pragma once
// A stream on one output device of a Linux sound API (ALSA, PulseAudio,
// JACK) through RtAudio. The API's callback thread takes frames from the
// queue; where the queue has none it plays silence.
#include <atomic>
#include <memory>
#include <string>

#include "devices/sound/CSoundOutput.h"

class RtAudio;

class CRtAudioOutput final : public CSoundOutput {
public:
    // Opens the device named `device` of `api` (an RtAudio::Api value).
    // ZDS_NOT_INSTALLED_EXCEPTION when the API is unavailable,
    // ZDS_DIRECT_SOUND_CREATE_FAILED_EXCEPTION when the device is gone,
    // ZDS_SET_FORMAT_PRIMARY_FAILED_EXCEPTION when it refuses the format,
    // ZDIRECT_SOUND_EXCEPTION for any other failure.
    CRtAudioOutput(int api, const std::string& device, std::uint32_t rate, std::uint16_t channels);
    ~CRtAudioOutput() override;

    void Start(CSoundQueue& queue) override;
    void Stop() override;

private:
    static int Callback(void* output, void* input, unsigned int frames, double time, unsigned int status,
                        void* self);

    std::unique_ptr<RtAudio> fAudio;
    std::uint16_t fChannels;
    std::atomic<CSoundQueue*> fQueue{nullptr};
};
