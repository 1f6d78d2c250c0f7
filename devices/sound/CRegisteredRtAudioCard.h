#pragma once
// An output device of one Linux sound API, as RtAudio lists it. The driver
// kind is the API's name ("ALSA", "PulseAudio", "Jack").
#include "devices/sound/CRegisteredSoundCard.h"

class CSoundCardRegistry;

class CRegisteredRtAudioCard final : public CRegisteredSoundCard {
public:
    // `api` is an RtAudio::Api value.
    CRegisteredRtAudioCard(int api, const std::string& kind, const std::string& name, bool usable,
                           std::vector<std::uint32_t> rates);

    // Adds the output devices of every Linux sound API that RtAudio offers
    // (ALSA, PulseAudio, JACK, in that order; an API that cannot be used adds
    // nothing).
    static void ListSystemCards(CSoundCardRegistry& registry);

    int Api() const { return fApi; }

protected:
    std::unique_ptr<CSoundOutput> OpenOutput(std::uint32_t rate, std::uint16_t channels) override;

private:
    int fApi;
};
