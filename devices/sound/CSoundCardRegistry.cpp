#include "devices/sound/CSoundCardRegistry.h"

#include <RtAudio.h>
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "devices/sound/CRegisteredFileSoundCard.h"
#include "devices/sound/CRegisteredNullSoundCard.h"
#include "devices/sound/CRegisteredRtAudioCard.h"
#include "devices/sound/CStreamSoundChannel.h"

namespace {

constexpr const char* kDefaultRecordingPath = "quillet-sound.wav";

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

std::string CSoundCardRegistry::StandInsFromEnvironment()
{
    const char* value = std::getenv(kStandInVariable);
    return value ? value : "";
}

void CSoundCardRegistry::ListCards(const std::string& standIns)
{
    ListRtAudioCards();
    ListStandInCards(standIns);
    RemoveUnusable();
}

void CSoundCardRegistry::ListRtAudioCards()
{
    std::vector<RtAudio::Api> compiled;
    RtAudio::getCompiledApi(compiled);
    for (const RtAudio::Api api : {RtAudio::LINUX_ALSA, RtAudio::LINUX_PULSE, RtAudio::UNIX_JACK})
        if (std::find(compiled.begin(), compiled.end(), api) != compiled.end())
            ListApi(*this, api);
}

void CSoundCardRegistry::ListStandInCards(const std::string& standIns)
{
    std::istringstream list(standIns);
    std::string item;
    while (std::getline(list, item, ',')) {
        if (item == "null")
            Add(std::make_unique<CRegisteredNullSoundCard>());
        else if (item == "file")
            Add(std::make_unique<CRegisteredFileSoundCard>(kDefaultRecordingPath));
        else if (item.rfind("file:", 0) == 0 && item.size() > 5)
            Add(std::make_unique<CRegisteredFileSoundCard>(item.substr(5)));
    }
}

void CSoundCardRegistry::Add(std::unique_ptr<CRegisteredSoundCard> card)
{
    fCards.push_back(std::move(card));
}

void CSoundCardRegistry::RemoveAt(std::uint16_t index)
{
    if (index < fCards.size())
        fCards.erase(fCards.begin() + index);
}

std::uint16_t CSoundCardRegistry::IndexOfChannelCard(const CSoundChannel& channel) const
{
    for (std::uint16_t i = 0; i < Count(); ++i)
        if (fCards[i].get() == &channel.Card())
            return i;
    return kNotFound;
}

std::uint16_t CSoundCardRegistry::Find(const std::string& kind, const std::string& name,
                                       const std::string& module) const
{
    for (std::uint16_t i = 0; i < Count(); ++i)
        if (fCards[i]->DriverKind() == kind && fCards[i]->DeviceName() == name && fCards[i]->ModuleName() == module)
            return i;
    return kNotFound;
}

void CSoundCardRegistry::RemoveUnusable()
{
    std::erase_if(fCards, [](const auto& card) { return !card->IsUsable(); });
}

void CSoundCardRegistry::RemoveKind(const std::string& kind)
{
    std::erase_if(fCards, [&kind](const auto& card) { return card->DriverKind() == kind; });
}
