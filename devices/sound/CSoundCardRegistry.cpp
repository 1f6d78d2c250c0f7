#include "devices/sound/CSoundCardRegistry.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "devices/sound/CRegisteredFileSoundCard.h"
#include "devices/sound/CRegisteredNullSoundCard.h"
#include "devices/sound/CStreamSoundChannel.h"

namespace {

constexpr const char* kDefaultRecordingPath = "quillet-sound.wav";

// Stored names lose their line feeds, so names compare without them.
bool SameName(std::string_view a, std::string_view b)
{
    auto next = [](std::string_view& text) {
        while (!text.empty() && text.front() == '\n')
            text.remove_prefix(1);
    };
    for (;;) {
        next(a);
        next(b);
        if (a.empty() || b.empty())
            return a.empty() && b.empty();
        if (a.front() != b.front())
            return false;
        a.remove_prefix(1);
        b.remove_prefix(1);
    }
}

}  // namespace

std::string CSoundCardRegistry::StandInsFromEnvironment()
{
    const char* value = std::getenv(kStandInVariable);
    return value ? value : "";
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
    for (std::uint16_t i = 0; i < Count(); ++i) {
        const CRegisteredSoundCard& card = *fCards[i];
        if (SameName(card.DriverKind(), kind) && SameName(card.DeviceName(), name) &&
            SameName(card.ModuleName(), module))
            return i;
    }
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
