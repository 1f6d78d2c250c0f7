#include "devices/sound/CRegisteredNullSoundCard.h"

#include "devices/sound/CClockedSoundOutput.h"

CRegisteredNullSoundCard::CRegisteredNullSoundCard()
    : CRegisteredSoundCard(kKind, "Null output", "", true, true, {44100, 48000})
{
}

std::unique_ptr<CSoundOutput> CRegisteredNullSoundCard::OpenOutput(std::uint32_t rate, std::uint16_t channels)
{
    return std::make_unique<CClockedSoundOutput>(rate, channels);
}
