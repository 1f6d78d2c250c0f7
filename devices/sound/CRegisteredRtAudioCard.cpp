#include "devices/sound/CRegisteredRtAudioCard.h"

#include "devices/sound/CRtAudioOutput.h"

CRegisteredRtAudioCard::CRegisteredRtAudioCard(int api, const std::string& kind, const std::string& name, bool usable,
                                               std::vector<std::uint32_t> rates)
    : CRegisteredSoundCard(kind, name, "", usable, false, std::move(rates)), fApi(api)
{
}

std::unique_ptr<CSoundOutput> CRegisteredRtAudioCard::OpenOutput(std::uint32_t rate, std::uint16_t channels)
{
    return std::make_unique<CRtAudioOutput>(fApi, DeviceName(), rate, channels);
}
