#pragma once
// The ordered list of output devices found at start-up. It owns its cards.
// Searches that find nothing answer kNotFound.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/sound/CRegisteredSoundCard.h"

class CSoundCardRegistry {
public:
    static constexpr std::uint16_t kNotFound = 666;
    // Names the stand-in cards to list, e.g. "null,file" or "file:/tmp/heard.wav".
    static constexpr const char* kStandInVariable = "QUILLET_SOUND_CARDS";

    // The stand-ins asked for in the environment, or an empty text.
    static std::string StandInsFromEnvironment();

    // Adds the stand-ins named in `standIns` ("null", "file" or "file:PATH",
    // separated by commas; a plain "file" records into quillet-sound.wav in
    // the working folder). The real cards come from their back end (see
    // CRegisteredRtAudioCard::ListSystemCards); RemoveUnusable ends a listing.
    void ListStandInCards(const std::string& standIns);

    void Add(std::unique_ptr<CRegisteredSoundCard> card);
    std::uint16_t Count() const { return static_cast<std::uint16_t>(fCards.size()); }
    CRegisteredSoundCard& CardAt(std::uint16_t index) const { return *fCards.at(index); }
    void RemoveAt(std::uint16_t index);
    // The index of the card that `channel` was opened on.
    std::uint16_t IndexOfChannelCard(const CSoundChannel& channel) const;
    // The first card whose kind, name and module all equal these (exact case,
    // line feeds left out on both sides).
    std::uint16_t Find(const std::string& kind, const std::string& name, const std::string& module) const;
    void RemoveUnusable();
    void RemoveKind(const std::string& kind);

private:
    std::vector<std::unique_ptr<CRegisteredSoundCard>> fCards;
};
