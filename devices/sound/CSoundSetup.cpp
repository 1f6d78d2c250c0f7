#include "devices/sound/CSoundSetup.h"

#include "devices/sound/CABCSoundSetupHost.h"
#include "devices/sound/CStreamSoundChannel.h"
#include "framework/exceptions/GeneralExceptions.h"

CSoundSetup::CSoundSetup(CABCSoundSetupHost& host, SoundRenderCallback a, SoundRenderCallback b, void* userData)
    : fHost(host), fCallbackA(a), fCallbackB(b), fUserData(userData)
{
}

CSoundSetup::~CSoundSetup()
{
    CloseChannel();
}

void CSoundSetup::RequireCards()
{
    if (fRegistry.Count() == 0) {
        fHost.ShowAlert(Res::kAlertNoSound, "");
        throw XSoundInit();
    }
    fEnabled = true;
}

void CSoundSetup::SetOutputRate(std::uint32_t rate)
{
    if (CStreamSoundChannel::HasTables(rate))
        fRate = rate;
}

bool CSoundSetup::ApplyPreferences(std::uint32_t rate, const std::string& kind, const std::string& name,
                                   const std::string& module, std::uint16_t setting)
{
    SetOutputRate(rate);
    const std::uint16_t index = fRegistry.Find(kind, name, module);
    if (index != CSoundCardRegistry::kNotFound) {
        if (OpenCard(index)) {
            if (setting >= fChannel->GetPlayAheadSettingCount())
                return false;
            fChannel->SetPlayAheadSetting(setting);
            return true;
        }
        fHost.ShowAlert(Res::kAlertSoundCardNotOpened, name);
    }
    OpenAnyCard();
    return true;
}

std::uint16_t CSoundSetup::CardIndex() const
{
    return fChannel ? fRegistry.IndexOfChannelCard(*fChannel) : kNone;
}

void CSoundSetup::CloseChannel()
{
    if (!fChannel)
        return;
    fHost.StopPlayback();
    fHost.ChannelChanged(nullptr);
    fChannel.reset();
}

bool CSoundSetup::OpenCard(std::uint16_t index)
{
    if (index >= fRegistry.Count())
        return false;
    if (fChannel && CardIndex() == index)
        return true;
    CloseChannel();
    try {
        fChannel = fRegistry.CardAt(index).OpenChannel(fRate, fCallbackA, fCallbackB, fUserData, 2);
    } catch (const XBase&) {
        return false;
    }
    // The player learns its channel before the feeder starts calling it.
    fHost.ChannelChanged(fChannel.get());
    if (fPauseDepth == 0) {
        try {
            fChannel->Start();
        } catch (const XBase&) {
            CloseChannel();
            return false;
        }
    }
    fEnabled = true;
    return true;
}

bool CSoundSetup::OpenAnyCard()
{
    for (std::uint16_t i = 0; i < fRegistry.Count(); ++i)
        if (OpenCard(i))
            return true;
    fHost.ShowAlert(Res::kAlertNoSoundCardOpened, "");
    Disable();
    return false;
}

bool CSoundSetup::ChooseCard(std::uint16_t index)
{
    const std::uint16_t previous = CardIndex();
    if (OpenCard(index))
        return true;
    const bool reopened = previous != kNone && OpenCard(previous);
    if (index < fRegistry.Count())
        fHost.ShowAlert(Res::kAlertSoundCardNotOpened, fRegistry.CardAt(index).DeviceName());
    if (reopened)
        return false;
    OpenAnyCard();
    return false;
}

void CSoundSetup::Disable()
{
    CloseChannel();
    fEnabled = false;
}

void CSoundSetup::Pause()
{
    if (fPauseDepth++ > 0)
        return;
    fHost.StopPlayback();
    if (fChannel)
        fChannel->Stop();
}

void CSoundSetup::Resume()
{
    if (fPauseDepth == 0 || --fPauseDepth > 0)
        return;
    if (fChannel) {
        try {
            fChannel->Start();
        } catch (const XBase&) {
            CloseChannel();
            OpenAnyCard();
        }
    }
}
