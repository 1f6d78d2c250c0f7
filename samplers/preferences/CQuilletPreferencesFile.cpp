#include "samplers/preferences/CQuilletPreferencesFile.h"

#include <filesystem>
#include <vector>

#include "devices/sound/CRegisteredSoundCard.h"
#include "devices/sound/CSoundSetup.h"
#include "formats/preferences/CSoundPreferences.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/ConfigurationFolder.h"
#include "framework/resources/ResourceScripts.h"
#include "framework/streams/COpenFile.h"
#include "framework/streams/CSafeSaveFile.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CPersistentInstalledSampler.h"
#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/preferences/CABCPreferencesEnvironment.h"
#include "samplers/preferences/CPreferencesLoad.h"
#include "samplers/preferences/CQuilletPreferencesReader.h"
#include "samplers/preferences/CQuilletPreferencesWriter.h"
#include "samplers/preferences/QuilletPreferences.h"

namespace {

// The sound card the channel is open on, with the channel's play-ahead and
// the output rate; nothing without an open channel.
std::optional<CSoundPreferences> SoundToStore(CABCPreferencesEnvironment& environment)
{
    const CSoundSetup* sound = environment.Sound();
    if (!sound || !sound->IsAvailable())
        return std::nullopt;
    const CSoundChannel& channel = *sound->Channel();
    CSoundPreferences stored;
    stored.driverKind = channel.Card().DriverKind();
    stored.deviceName = channel.Card().DeviceName();
    stored.moduleName = channel.Card().ModuleName();
    stored.playAheadSetting = channel.GetPlayAheadSetting();
    stored.outputRate = sound->OutputRate();
    return stored;
}

bool IsStored(const CInstalledSampler& sampler)
{
    return sampler.Type().Kind() != ConnectionKind::kNone;
}

// Where the selected sampler will stand when the file is read again: the
// first pseudo-samplers, then the stored samplers in list order, then the
// later pseudo-samplers.
std::uint16_t StoredSelection(const CInstalledSamplerList& samplers)
{
    constexpr std::uint16_t kFirst = CPseudoSamplerClass::kFirstPseudoSamplers;
    std::uint16_t storedSamplers = 0;
    for (std::uint16_t i = 0; i < samplers.Count(); ++i)
        storedSamplers += IsStored(samplers.At(i));
    std::uint16_t pseudoBefore = 0;
    std::uint16_t storedBefore = 0;
    for (std::uint16_t i = 0; i < samplers.Count(); ++i) {
        const bool stored = IsStored(samplers.At(i));
        if (&samplers.At(i) == samplers.Selected()) {
            if (stored)
                return static_cast<std::uint16_t>(kFirst + storedBefore);
            return pseudoBefore < kFirst ? pseudoBefore : static_cast<std::uint16_t>(storedSamplers + pseudoBefore);
        }
        ++(stored ? storedBefore : pseudoBefore);
    }
    return 0;
}

}  // namespace

CQuilletPreferencesFile::CQuilletPreferencesFile()
    : fPath(ConfigurationFolder() + "/" + GetResourceString(Res::kStringPreferencesFileName))
{
}

bool CQuilletPreferencesFile::Load(QuilletPreferences& preferences, CABCPreferencesEnvironment& environment) const
{
    std::error_code error;
    if (!std::filesystem::exists(fPath, error))
        return false;
    try {
        COpenFile stream{CFileSpec(fPath)};
        CQuilletPreferencesReader reader(stream);
        CPreferencesLoad load(reader, preferences, environment);
        load.Run();
        if (load.FoundDamage())
            ShowAlert(Res::kAlertPreferencesPartlyRead);
        return true;
    } catch (const XBadFormat&) {
    } catch (const XFile&) {
    }
    ShowAlert(Res::kAlertPreferencesNotRead);
    return false;
}

void CQuilletPreferencesFile::Save(const QuilletPreferences& preferences,
                                   CABCPreferencesEnvironment& environment) const
{
    try {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(fPath).parent_path(), error);
        CSafeSaveFile file{CFileSpec(fPath)};
        {
            CQuilletPreferencesWriter writer(file);
            if (const std::optional<CSoundPreferences> sound = SoundToStore(environment))
                writer.WriteSoundPreferences(*sound);
            CQuilletApplicationPreferences application = preferences.application;
            application.SetCurrentSampler(StoredSelection(preferences.samplers));
            writer.WriteApplicationPreferences(application);
            writer.WriteDefaultDocumentPreferences(preferences.defaultDocument);
            writer.WriteColorTable(CColorTablePreferences(preferences.customColours));
            std::vector<CPersistentInstalledSampler> stored;
            for (std::uint16_t i = 0; i < preferences.samplers.Count(); ++i) {
                const CInstalledSampler& sampler = preferences.samplers.At(i);
                if (IsStored(sampler))
                    stored.emplace_back(sampler, environment.Connections());
            }
            writer.WriteInstalledSamplers(stored);
            writer.Finish();
        }
        file.Commit();
    } catch (...) {
        ShowAlert(Res::kAlertPreferencesNotWritten);
        throw;
    }
}
