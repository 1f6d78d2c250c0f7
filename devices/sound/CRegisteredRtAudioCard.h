#pragma once
// An output device of one Linux sound API, as RtAudio lists it. The driver
// kind is the API's name ("ALSA", "PulseAudio", "Jack").
#include "devices/sound/CRegisteredSoundCard.h"

class CRegisteredRtAudioCard final : public CRegisteredSoundCard {
public:
    // `api` is an RtAudio::Api value.
    CRegisteredRtAudioCard(int api, const std::string& kind, const std::string& name, bool usable,
                           std::vector<std::uint32_t> rates);

    int Api() const { return fApi; }

protected:
    std::unique_ptr<CSoundOutput> OpenOutput(std::uint32_t rate, std::uint16_t channels) override;

private:
    int fApi;
};
