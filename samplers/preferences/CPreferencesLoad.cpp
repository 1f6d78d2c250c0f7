#include "samplers/preferences/CPreferencesLoad.h"

#include <utility>

#include "devices/sound/CSoundSetup.h"
#include "devices/sound/CStreamSoundChannel.h"
#include "formats/preferences/CSoundPreferences.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "samplers/model/CPersistentInstalledSampler.h"
#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/preferences/CABCPreferencesEnvironment.h"
#include "samplers/preferences/CQuilletPreferencesReader.h"
#include "samplers/preferences/QuilletPreferences.h"

template <typename Part>
void CPreferencesLoad::ReadPart(Part part)
{
    try {
        part();
    } catch (const XPreferences&) {
        fDamaged = true;
    }
}

void CPreferencesLoad::Run()
{
    ReadApplication();
    ReadSound();
    ReadColours();
    ReadSamplers();
    ReadDefaultDocument();
}

void CPreferencesLoad::ReadApplication()
{
    ReadPart([this] {
        if (!fReader.HasApplicationPreferences())
            return;
        fReader.ReadApplicationPreferences(fPreferences.application);
        fStoredSelection = fPreferences.application.CurrentSampler();
    });
}

void CPreferencesLoad::ReadSound()
{
    CSoundSetup* sound = fEnvironment.Sound();
    if (!sound)
        return;
    bool applied = false;
    ReadPart([&] {
        if (!fReader.HasSoundPreferences())
            return;
        CSoundPreferences stored;
        fReader.ReadSoundPreferences(stored);
        if (!CStreamSoundChannel::HasTables(stored.outputRate))
            throw XInvalidPreferencesChunk();
        applied = true;
        if (!sound->ApplyPreferences(stored.outputRate, stored.driverKind, stored.deviceName, stored.moduleName,
                                     stored.playAheadSetting))
            fDamaged = true;
    });
    if (!applied)
        sound->OpenAnyCard();
}

void CPreferencesLoad::ReadColours()
{
    ReadPart([this] {
        if (!fReader.HasColorTable())
            return;
        CColorTablePreferences table;
        fReader.ReadColorTable(table);
        table.CopyTo(fPreferences.customColours);
    });
}

void CPreferencesLoad::ReadSamplers()
{
    CInstalledSamplerList& samplers = fPreferences.samplers;
    samplers.InstallPseudoSamplers(fEnvironment.SupportedSamplers());
    const std::uint16_t installedPseudoSamplers = samplers.Count();
    fPseudoSamplers = CPseudoSamplerClass::kFirstPseudoSamplers;
    samplers.Select(fStoredSelection < fPseudoSamplers ? fStoredSelection : 0);
    bool present = false;
    ReadPart([&] {
        present = fReader.HasInstalledSamplers();
        if (present)
            fReader.ReadInstalledSamplers([this](const CPersistentInstalledSampler* record) { InstallStored(record); });
    });
    // A later pseudo-sampler stands after the stored samplers in the file.
    const int later = fStoredSelection - fPseudoSamplers - fRecordsSeen;
    if (later >= 0) {
        const int index = fPseudoSamplers + later;
        samplers.Select(index < installedPseudoSamplers ? static_cast<std::uint16_t>(index) : 0);
    }
    if (present)
        CheckSamplers();
    fPreferences.application.SetCurrentSampler(samplers.SelectedIndex());
}

void CPreferencesLoad::InstallStored(const CPersistentInstalledSampler* record)
{
    const std::uint16_t position = static_cast<std::uint16_t>(fPseudoSamplers + fRecordsSeen++);
    if (!record) {
        fDamaged = true;
        return;
    }
    CPersistentInstalledSampler stored = *record;
    stored.SetKindFrom(fEnvironment.SupportedSamplers());
    bool usable = true;
    if (UsesMIDI(stored.Kind()) && !fEnvironment.IsMIDIAvailable()) {
        if (!std::exchange(fMIDIMissingShown, true))
            ShowAlert(Res::kAlertNoMIDI);
        usable = false;
    }
    if (UsesSCSI(stored.Kind()) && !fEnvironment.IsSCSIAvailable()) {
        if (!std::exchange(fSCSIMissingShown, true))
            ShowAlert(Res::kAlertNoSCSI);
        usable = false;
    }
    if (!usable) {
        ShowAlertWithArgument(Res::kAlertSamplerUnusable, stored.SamplerName());
        return;
    }
    try {
        CInstalledSamplerList& samplers = fPreferences.samplers;
        const std::uint16_t index =
            samplers.Add(stored.MakeInstalled(fEnvironment.SupportedSamplers(), fEnvironment.Connections()));
        if (position == fStoredSelection)
            samplers.Select(index);
    } catch (const XSamplerNotSupported&) {
        ShowAlertWithArgument(Res::kAlertSamplerNotSupported, stored.SamplerName());
    } catch (const XInvalidPreferencesChunk&) {
        fDamaged = true;
    }
}

void CPreferencesLoad::CheckSamplers()
{
    CSoundSetup* sound = fEnvironment.Sound();
    if (sound)
        sound->Pause();
    bool checked = false;
    try {
        fPreferences.samplers.RemoveDoubles();
        checked = fEnvironment.VerifyInstalledSamplers();
    } catch (...) {
        if (sound)
            sound->Resume();
        throw;
    }
    if (sound)
        sound->Resume();
    if (!checked)
        ShowAlert(Res::kAlertVerificationCancelled);
}

void CPreferencesLoad::ReadDefaultDocument()
{
    ReadPart([this] {
        if (fReader.HasDefaultDocumentPreferences())
            fReader.ReadDefaultDocumentPreferences(fPreferences.defaultDocument);
    });
}
