#include "devices/sound/CSoundChannel.h"

CSoundChannel::CSoundChannel(CRegisteredSoundCard& card, std::uint32_t granule, std::uint32_t rate,
                             SoundRenderCallback a, SoundRenderCallback b, void* userData, std::uint16_t channels)
    : fCard(card), fGranule(granule), fRate(rate), fCallbackA(a), fCallbackB(b), fUserData(userData),
      fChannels(channels)
{
}

void CSoundChannel::Render(std::int16_t* frames, std::uint32_t count)
{
    fCallbackA(frames, count, fUserData);
    fCallbackB(frames, count, fUserData);
}
