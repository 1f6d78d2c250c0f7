#include "devices/sound/CRegisteredFileSoundCard.h"

#include "devices/sound/CFileSoundOutput.h"

CRegisteredFileSoundCard::CRegisteredFileSoundCard(const std::string& path, bool fast)
    : CRegisteredSoundCard(kKind, path.empty() ? "Memory recorder" : "WAV file recorder", path, true, true,
                           {44100, 48000}),
      fPath(path), fFast(fast)
{
}

std::unique_ptr<CSoundOutput> CRegisteredFileSoundCard::OpenOutput(std::uint32_t rate, std::uint16_t channels)
{
    return std::make_unique<CFileSoundOutput>(rate, channels, fRecording, fPath, fFast);
}
