#include "devices/sound/CRegisteredRtAudioCard.h"

#include <RtAudio.h>
#include <algorithm>

#include "devices/sound/CRtAudioOutput.h"
#include "devices/sound/CSoundCardRegistry.h"
#include "devices/sound/CStreamSoundChannel.h"

namespace {

// The rates a device offers for which channels have play-ahead tables.
std::vector<std::uint32_t> ChannelRates(const RtAudio::DeviceInfo& info)
{
    std::vector<std::uint32_t> rates;
    for (const unsigned int rate : info.sampleRates)
        if (CStreamSoundChannel::HasTables(rate))
            rates.push_back(rate);
    return rates;
}

void ListApi(CSoundCardRegistry& registry, RtAudio::Api api)
{
    std::vector<std::unique_ptr<CRegisteredSoundCard>> found;
    try {
        RtAudio audio(api);
        audio.showWarnings(false);
        const unsigned int count = audio.getDeviceCount();
        for (unsigned int i = 0; i < count; ++i) {
            const RtAudio::DeviceInfo info = audio.getDeviceInfo(i);
            if (info.outputChannels == 0)
                continue;
            std::vector<std::uint32_t> rates = ChannelRates(info);
            const bool usable = info.probed && info.outputChannels >= 2 && !rates.empty();
            found.push_back(std::make_unique<CRegisteredRtAudioCard>(api, RtAudio::getApiDisplayName(api), info.name,
                                                                     usable, std::move(rates)));
        }
    } catch (const RtAudioError&) {
        return;  // this API is not usable here; its devices are not listed
    }
    for (auto& card : found)
        registry.Add(std::move(card));
}

}  // namespace

CRegisteredRtAudioCard::CRegisteredRtAudioCard(int api, const std::string& kind, const std::string& name, bool usable,
                                               std::vector<std::uint32_t> rates)
    : CRegisteredSoundCard(kind, name, "", usable, false, std::move(rates)), fApi(api)
{
}

std::unique_ptr<CSoundOutput> CRegisteredRtAudioCard::OpenOutput(std::uint32_t rate, std::uint16_t channels)
{
    return std::make_unique<CRtAudioOutput>(fApi, DeviceName(), rate, channels);
}

void CRegisteredRtAudioCard::ListSystemCards(CSoundCardRegistry& registry)
{
    std::vector<RtAudio::Api> compiled;
    RtAudio::getCompiledApi(compiled);
    for (const RtAudio::Api api : {RtAudio::LINUX_ALSA, RtAudio::LINUX_PULSE, RtAudio::UNIX_JACK})
        if (std::find(compiled.begin(), compiled.end(), api) != compiled.end())
            ListApi(registry, api);
}
