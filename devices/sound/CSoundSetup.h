#pragma once
// The application's sound output: the card registry, the open channel on
// one card, the output rate, whether sound is enabled, and the nested pause
// used around work that audio must not disturb. Every channel is opened with
// the same two render callbacks and user data.
#include <cstdint>
#include <memory>
#include <string>

#include "devices/sound/CSoundCardRegistry.h"

class CABCSoundSetupHost;

class CSoundSetup {
public:
    static constexpr std::uint16_t kNone = 65535;
    static constexpr std::uint32_t kDefaultRate = 44100;

    CSoundSetup(CABCSoundSetupHost& host, SoundRenderCallback a, SoundRenderCallback b, void* userData);
    ~CSoundSetup();
    CSoundSetup(const CSoundSetup&) = delete;
    CSoundSetup& operator=(const CSoundSetup&) = delete;

    // The check after the listing: alert 1 and XSoundInit when the registry
    // is empty, else sound is on.
    void RequireCards();

    // The stored sound preferences: the rate, then the card whose kind, name
    // and module all match, opened with the stored play-ahead setting. A
    // matching card that fails shows alert 12 with its name; then, as when no
    // card matches, any card is opened. False when the stored setting lies
    // beyond the channel's settings and was left out.
    bool ApplyPreferences(std::uint32_t rate, const std::string& kind, const std::string& name,
                          const std::string& module, std::uint16_t setting);
    // A rate that no play-ahead table covers (a damaged file) keeps the rate in force.
    void SetOutputRate(std::uint32_t rate);

    // Opens card `index` (nothing to do when its channel is open already) and
    // starts it unless sound is paused; an open channel turns sound on. False
    // when the card cannot be opened; the previous channel is closed either way.
    bool OpenCard(std::uint16_t index);
    // Tries the cards in order and keeps the first that opens; with none,
    // shows alert 7 and disables sound.
    bool OpenAnyCard();
    // The Preferences dialog's choice: on failure reopens the previous card
    // and shows alert 12 with the chosen card's name, else opens any card.
    bool ChooseCard(std::uint16_t index);
    void CloseChannel();
    void Disable();

    void Pause();
    void Resume();

    CSoundCardRegistry& Registry() { return fRegistry; }
    CSoundChannel* Channel() const { return fChannel.get(); }
    std::uint16_t CardIndex() const;
    bool IsEnabled() const { return fEnabled; }
    bool IsAvailable() const { return fEnabled && fChannel != nullptr; }
    std::uint32_t OutputRate() const { return fRate; }
    int PauseDepth() const { return fPauseDepth; }

private:
    CABCSoundSetupHost& fHost;
    SoundRenderCallback fCallbackA;
    SoundRenderCallback fCallbackB;
    void* fUserData;
    CSoundCardRegistry fRegistry;
    std::unique_ptr<CSoundChannel> fChannel;
    std::uint32_t fRate = kDefaultRate;
    bool fEnabled = false;
    int fPauseDepth = 0;
};
