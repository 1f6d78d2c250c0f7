#include "devices/sound/CRegisteredSoundCard.h"

#include <algorithm>

#include "devices/sound/CSoundOutput.h"
#include "devices/sound/CStreamSoundChannel.h"
#include "framework/exceptions/XBase.h"

CRegisteredSoundCard::CRegisteredSoundCard(const std::string& kind, const std::string& name,
                                           const std::string& module, bool usable, bool emulated,
                                           std::vector<std::uint32_t> rates)
    : fKind(kind.substr(0, kNameLength)), fName(name.substr(0, kNameLength)), fModule(module.substr(0, kNameLength)),
      fUsable(usable), fEmulated(emulated), fRates(std::move(rates))
{
}

bool CRegisteredSoundCard::AcceptsRate(std::uint32_t rate) const
{
    return std::find(fRates.begin(), fRates.end(), rate) != fRates.end();
}

std::unique_ptr<CSoundChannel> CRegisteredSoundCard::OpenChannel(std::uint32_t rate, SoundRenderCallback a,
                                                                 SoundRenderCallback b, void* userData,
                                                                 std::uint16_t channels)
{
    if (!AcceptsRate(rate) || !CStreamSoundChannel::HasTables(rate) || channels < 1 || channels > 2)
        throw XBase();
    return std::make_unique<CStreamSoundChannel>(*this, rate, a, b, userData, channels, OpenOutput(rate, channels));
}
