#pragma once
// One output device found at start-up. The driver kind is what the user sees
// as "Driver Type:" (the name of the Linux sound API, or a stand-in's name).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/sound/CSoundChannel.h"

class CSoundOutput;

class CRegisteredSoundCard {
public:
    static constexpr std::size_t kNameLength = 64;

    // Texts longer than kNameLength are cut. `rates` lists the output rates
    // the card accepts.
    CRegisteredSoundCard(const std::string& kind, const std::string& name, const std::string& module, bool usable,
                         bool emulated, std::vector<std::uint32_t> rates);
    virtual ~CRegisteredSoundCard() = default;
    CRegisteredSoundCard(const CRegisteredSoundCard&) = delete;
    CRegisteredSoundCard& operator=(const CRegisteredSoundCard&) = delete;

    // A new channel, not yet started. A rate outside Rates() raises XBase;
    // device failures raise the ZSOUND_EXCEPTION family.
    virtual std::unique_ptr<CSoundChannel> OpenChannel(std::uint32_t rate, SoundRenderCallback a,
                                                       SoundRenderCallback b, void* userData,
                                                       std::uint16_t channels);

    const std::string& DriverKind() const { return fKind; }
    const std::string& DeviceName() const { return fName; }
    const std::string& ModuleName() const { return fModule; }
    bool IsUsable() const { return fUsable; }
    bool IsEmulated() const { return fEmulated; }
    const std::vector<std::uint32_t>& Rates() const { return fRates; }
    bool AcceptsRate(std::uint32_t rate) const;

protected:
    // The device side of a channel at an accepted rate.
    virtual std::unique_ptr<CSoundOutput> OpenOutput(std::uint32_t rate, std::uint16_t channels) = 0;

private:
    std::string fKind;
    std::string fName;
    std::string fModule;
    bool fUsable;
    bool fEmulated;
    std::vector<std::uint32_t> fRates;
};
