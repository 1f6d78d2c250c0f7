#pragma once
// The application: builds the shared parts at start-up in their fixed order,
// routes the application's menu commands, keeps the menus up to date, lets
// the sound card go while the program is in the background, and tears
// everything down at the end. It owns the sound output and the one sample
// player that every document window plays through, the MIDI port lists and
// the SCSI buses found at start-up, the supported sampler types, and the
// preferences: read at start-up, edited in the Preferences dialog and by the
// document windows, written at shut-down.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/sound/CABCSoundChannelHost.h"
#include "app/sound/CSoundChannelRelease.h"
#include "app/startup/CABCStartupServices.h"
#include "app/startup/CStartupSequence.h"
#include "app/window/CSamplerTransfers.h"
#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/sound/CABCSoundSetupHost.h"
#include "devices/sound/CSoundSetup.h"
#include "document/window/DocumentPreferences.h"
#include "framework/files/CFileTypeList.h"
#include "framework/files/CRecentDocuments.h"
#include "gui/dialogs/CFoundSamplerQuestion.h"
#include "gui/framework/application/CApplication.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/preferences/CABCPreferencesEnvironment.h"
#include "samplers/preferences/CQuilletPreferencesFile.h"
#include "samplers/preferences/QuilletPreferences.h"
#include "samplers/search/CSamplerFinder.h"
#include "samplers/search/CSamplerVerifier.h"
#include "simulators/CSimulatedSamplerRack.h"

class CDocumentOpener;
class CMenu;
class CMenuBar;
class CSplashScreen;
class CWavePlayer;

class CQuillet : public CApplication,
                 private CABCStartupServices,
                 private CABCSoundChannelHost,
                 private CABCSoundSetupHost,
                 private CABCPreferencesEnvironment {
public:
    static constexpr const char* kMakerHomePage = "https://quillet.example.org/";
    static constexpr const char* kDistributorHomePage = "https://marlpit.example.com/";
    static constexpr const char* kLoopsPage = "https://quillet.example.org/loops/";
    static constexpr std::size_t kScratchBufferSize = 16384;
    static constexpr int kSplashMinimumTicks = 180;
    static constexpr int kSplashMaximumMilliseconds = 12000;
    static constexpr ResourceId kAlertNoBrowser = 500129100;
    static constexpr ResourceId kAlertPreferencesNotWritten = 500129011;

    // commandLine: the documents to open at start, in command-line form;
    // folder: where relative names are looked up.
    CQuillet(std::string commandLine, std::string folder);
    ~CQuillet() override;

    // A command line from the program's entry or from a later start; answers
    // whether any document or folder was handed on.
    bool OpenCommandLine(const std::string& commandLine, const std::string& folder);
    // A file handed over by the shell or the command line, and a folder:
    // each opens as a document in a new window (or shows why it cannot).
    virtual void OpenDocumentFile(const std::string& path);
    virtual void OpenFolder(const std::string& path);

    bool DoCommand(std::uint32_t command) override;
    void UpdateMenus() override;
    void Idle() override;
    void Deactivated() override;
    void Activated() override;
    // Whether the program is in the background.
    bool IsDeactivated() const { return deactivated_; }

    // The menu bar's records, or nullptr before start-up built them.
    CMenuBar* Menus() const;
    const CStartupSequence::Availability& GetAvailability() const { return availability_; }
    const CSoundSetup& GetSoundSetup() const { return sound_; }
    const CMIDIPortLists& GetMIDIPorts() const { return midiPorts_; }
    const CSCSIBusTable& GetSCSIBuses() const { return scsiBuses_; }
    CWavePlayer& GetWavePlayer() const { return *player_; }
    // What the preferences file keeps, as the program holds it now.
    const QuilletPreferences& Preferences() const { return preferences_; }
    const CQuilletPreferencesFile& PreferencesFile() const { return preferencesFile_; }
    // Where the help file lies: beside the program (as in the build folder),
    // else in the data folder of the installation the program belongs to.
    static std::string HelpFilePath();

protected:
    void Initialise() override;
    void StartUp() override;
    void ShutDown() override;
    // Fills the registry with the output devices the sound step may use: the
    // system's cards, then the stand-ins named in the environment.
    virtual void ListSoundCards(CSoundCardRegistry& registry);
    // Started without a document and asked to show the Open dialog: the
    // Open command's file dialog.
    virtual void AskForDocumentAtStart();

private:
    // Start-up steps.
    void CreateOffScreenCaches() override {}
    void RegisterFileTypes() override;
    void CreateDeviceLists() override {}
    bool OperatingSystemSupported() override;
    void ShowSplashScreen() override;
    void BuildMenus() override;
    void AllocateScratchBuffers() override;
    void StartSound() override;
    // The ports of the ALSA cards and the stand-ins; whether there is at
    // least one input and one output.
    bool StartMIDI() override;
    // The SCSI generic buses and the stand-ins; a device the user may not
    // open is named with the group to join. Whether there is a bus.
    bool StartSCSI() override;
    void CloseSplashScreen() override;
    PreferencesOutcome ReadPreferences() override;
    void SetDefaultPreferences() override;
    void SearchSamplers() override;
    void TearDown() override;
    int ShowAlert(ResourceId alert) override;

    // The sound channel, released while the program is in the background.
    bool IsSoundAvailable() override { return availability_.sound && sound_.IsEnabled(); }
    void DisableSound() override;
    bool IsPlaying() override;
    void StopPlayback() override;
    std::uint16_t GetCardIndex() override { return sound_.CardIndex(); }
    std::uint16_t GetChannelState() override;
    void CloseChannel() override { sound_.CloseChannel(); }
    bool OpenChannel(std::uint16_t card, std::uint16_t state) override;
    std::uint16_t GetOtherCard(std::uint16_t card) override;
    void TellWindowsSoundChanged() override;

    // The sound output's requests.
    int ShowAlert(ResourceId alert, const std::string& parameter) override;
    void ChannelChanged(CSoundChannel* channel) override;

    // Puts a file opened or saved first in the recent documents.
    void RememberDocument(const CFileSpec& file);
    // Opens entry `index` of the recent documents; gone files leave the list
    // with an alert.
    void OpenRecentDocument(std::size_t index);
    // What reading and writing the preferences needs.
    CSoundSetup* Sound() override;
    bool IsMIDIAvailable() const override { return availability_.midi; }
    bool IsSCSIAvailable() const override { return availability_.scsi; }
    const CSupportedSamplerRegistry& SupportedSamplers() const override { return samplerTypes_; }
    const CABCConnectionDirectory& Connections() const override { return samplerDevices_; }
    bool VerifyInstalledSamplers() override;

    // Writes the preferences file; a failure has shown alert 11.
    void SavePreferences();
    void ShowPreferences();
    void ShowSamplerSettings();
    void ShowSystemInformation();
    void RedrawDocumentWindows();
    // The settings the document windows share (those of the file before the
    // windows' session exists).
    DocumentPreferences DocumentSettings() const;
    void OpenWebPage(const char* address);
    void OpenHelp();
    void ShowAbout();

    std::string startCommandLine_;
    std::string startFolder_;
    bool initialised_ = false;
    bool browserInstalled_ = false;
    bool deactivated_ = false;
    CStartupSequence::Availability availability_;
    CSoundChannelRelease release_{*this};
    // The player outlives the sound output, which closes its channel first;
    // document windows share the player and may outlive the application.
    std::shared_ptr<CWavePlayer> player_;
    CSoundSetup sound_;
    CMIDIPortLists midiPorts_;
    CSCSIBusTable scsiBuses_;
    // Before the ports and buses it is connected to.
    CSimulatedSamplerRack simulatedSamplers_;

    CRecentDocuments recent_;
    CFileTypeList soundFileTypes_;
    CFileTypeList sliceFileTypes_;
    std::unique_ptr<CMenu> beatsMenu_;
    std::unique_ptr<CMenu> signatureMenu_;
    std::array<std::vector<std::uint8_t>, 2> scratchBuffers_;
    std::unique_ptr<CSplashScreen> splash_;
    std::unique_ptr<CDocumentOpener> documents_;
    CSamplerTransfers transfers_{sound_, midiPorts_, scsiBuses_};

    CSamplerDevices samplerDevices_{midiPorts_, scsiBuses_};
    CSupportedSamplerRegistry samplerTypes_{samplerDevices_.Identification()};
    CFoundSamplerQuestion samplerQuestion_{samplerDevices_};
    CSamplerFinder samplerFinder_{samplerTypes_, samplerDevices_, samplerQuestion_};
    CSamplerVerifier samplerVerifier_{samplerFinder_};
    CQuilletPreferencesFile preferencesFile_;
    QuilletPreferences preferences_;
};
