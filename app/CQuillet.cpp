#include "app/CQuillet.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QVBoxLayout>
#include <sys/utsname.h>

#include "app/commands/CMenuUpdater.h"
#include "app/preferences/DocumentPreferencesMapping.h"
#include "app/startup/CCommandLineScanner.h"
#include "app/window/CSplashScreen.h"
#include "app/window/CWebBrowser.h"
#include "app/window/CWindowArranger.h"
#include "devices/sound/CRegisteredRtAudioCard.h"
#include "devices/sound/CSoundChannel.h"
#include "devices/system/CSystemInformation.h"
#include "document/playback/CWavePlayer.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/FileTypes.h"
#include "framework/resources/CAlertArguments.h"
#include "framework/resources/ResourceScripts.h"
#include "framework/streams/COpenFile.h"
#include "gui/framework/application/CRecentDocumentsSettings.h"
#include "gui/framework/menus/CNativeMenuBar.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/dialogs/CConfigureSamplerDialog.h"
#include "gui/dialogs/CQuilletPreferencesDialog.h"
#include "gui/dialogs/CSystemInformationDialog.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/graphics/CPictureResources.h"
#include "gui/window/CDocumentOpener.h"
#include "resources/QuilletCommands.h"
#include "samplers/model/TransmitMenuText.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr std::array<ResourceId, 5> kMenuBar = {600128001, 600128002, 600128003, 600128007, 600128004};
constexpr std::size_t kWindowsMenu = 3;  // on the bar: the menu that lists the document windows
constexpr ResourceId kBeatsMenu = 600128009;
constexpr ResourceId kSignatureMenu = 600128010;
constexpr ResourceId kAlertNotFound = 501000002;
constexpr std::uint16_t kSplashPicture = 128;
const QString kHelpFileName = QStringLiteral("quillet-help.html");

// The channel's second render callback: the player renders in the first.
void LeaveRegion(std::int16_t*, std::uint32_t, void*) {}

// Playback needs continuous idle calls to follow the heard position.
void PlaybackCountChanged(int change)
{
    if (change > 0)
        CLowLevelApplication::RaiseFastIdleOfCurrent();
    else
        CLowLevelApplication::LowerFastIdleOfCurrent();
}

}  // namespace

CQuillet::CQuillet(std::string commandLine, std::string folder)
    : CApplication("Quillet"),
      startCommandLine_(std::move(commandLine)),
      startFolder_(std::move(folder)),
      player_(std::make_shared<CWavePlayer>(PlaybackCountChanged)),
      sound_(*this, &CWavePlayer::RenderCallback, &LeaveRegion, player_.get())
{
}

CQuillet::~CQuillet()
{
    // Nothing may play on into a channel or a window that is going.
    sound_.CloseChannel();
}

void CQuillet::Initialise()
{
    CStartupSequence sequence(*this);
    initialised_ = sequence.Initialise();
    availability_ = sequence.GetAvailability();
    // No card could be opened (alert 7): the program runs without sound.
    availability_.sound = availability_.sound && sound_.IsEnabled();
    browserInstalled_ = initialised_ && CWebBrowser::IsInstalled();
}

void CQuillet::StartUp()
{
    if (!initialised_) {
        SetState(State::kEnded);
        return;
    }
    recent_ = CRecentDocumentsSettings::Load();
    documents_ = std::make_unique<CDocumentOpener>(
        *this, player_, [this] { return IsSoundAvailable() && sound_.IsAvailable(); },
        [this] { return Menus(); }, [this](const CFileSpec& file) { RememberDocument(file); });
    documents_->Preferences() = DocumentPreferencesFrom(preferences_);
    documents_->SetTransmitTarget([this] { return preferences_.samplers.Selected(); });
    documents_->SetTransmitToSampler(
        [this](CInstalledSampler& sampler, const CSliceRenderSet& slices) { transfers_.Transmit(sampler, slices); });
    RunMenuUpdate();
    if (OpenCommandLine(startCommandLine_, startFolder_))
        return;
    // With no document named: the Open dialog if the user wants it, and the
    // demo loop, sliced, when that opened nothing.
    if (preferences_.application.ShowOpenDialogOnStartup())
        AskForDocumentAtStart();
    if (DocumentWindows().empty())
        documents_->OpenDemoLoop();
}

void CQuillet::AskForDocumentAtStart()
{
    documents_->RunOpenCommand();
}

void CQuillet::ShutDown()
{
    if (!initialised_)
        return;
    try {
        SavePreferences();
    } catch (...) {
        // Alert 11 has told the user; everything else still goes down.
    }
    TearDown();
    initialised_ = false;
}

void CQuillet::SavePreferences()
{
    if (documents_)
        StoreDocumentPreferences(documents_->Preferences(), preferences_);
    preferencesFile_.Save(preferences_, *this);
}

void CQuillet::Idle()
{
    player_->IdlePoll();
    CApplication::Idle();
}

void CQuillet::Deactivated()
{
    deactivated_ = true;
    release_.Deactivated();
}

void CQuillet::Activated()
{
    deactivated_ = false;
    release_.Activated();
}

bool CQuillet::OpenCommandLine(const std::string& commandLine, const std::string& folder)
{
    const CCommandLineScanner::Result result = CCommandLineScanner::Scan(commandLine, folder);
    for (const CCommandLineScanner::Found& found : result.found) {
        if (found.isFolder)
            OpenFolder(found.path);
        else
            OpenDocumentFile(found.path);
    }
    if (result.missing)
        ShowAlertWithArgument(kAlertNotFound, *result.missing);
    return !result.found.empty();
}

void CQuillet::OpenDocumentFile(const std::string& path)
{
    if (documents_)
        documents_->OpenFile(path);
}

void CQuillet::OpenFolder(const std::string& path)
{
    OpenDocumentFile(path);
}

void CQuillet::RememberDocument(const CFileSpec& file)
{
    recent_.Add(file);
    CRecentDocumentsSettings::Store(recent_);
}

void CQuillet::OpenRecentDocument(std::size_t index)
{
    if (index >= recent_.Count())
        return;
    const CFileSpec chosen = recent_[index];
    if (recent_.RemoveMissing(FileExists)) {
        CRecentDocumentsSettings::Store(recent_);
        ShowAlert(Res::kAlertRecentDocumentsRemoved);
    }
    if (FileExists(chosen))
        OpenDocumentFile(chosen.FullPath());
}

void CQuillet::RegisterFileTypes()
{
    soundFileTypes_ = CFileTypeList{&kWaveFileType, &kAIFFFileType};
    sliceFileTypes_ = CFileTypeList{&kSLXFileType};
}

bool CQuillet::OperatingSystemSupported()
{
    // The kernel must be 4.0 or later.
    utsname system{};
    if (uname(&system) != 0)
        return false;
    return std::atoi(system.release) >= 4;
}

void CQuillet::ShowSplashScreen()
{
    splash_ = std::make_unique<CSplashScreen>(CPictureResources::LoadJPEG(kSplashPicture, 32), kSplashMinimumTicks,
                                              kSplashMaximumMilliseconds);
}

CMenuBar* CQuillet::Menus() const
{
    return GetMenuBar() ? &GetMenuBar()->Menus() : nullptr;
}

void CQuillet::BuildMenus()
{
    auto menus = std::make_unique<CMenuBar>(kMenuBar);
    CMenuUpdater::AddOpenRecentMenu(*menus, GetResourceString(Res::kStringOpenRecentMenuText));
    SetMenuBar(std::move(menus), kWindowsMenu);
    beatsMenu_ = std::make_unique<CMenu>(kBeatsMenu);
    signatureMenu_ = std::make_unique<CMenu>(kSignatureMenu);
    for (CMenu* popup : {beatsMenu_.get(), signatureMenu_.get()}) {
        for (std::size_t i = 0; i < popup->ItemCount(); ++i)
            popup->SetEnabled(i, true);
    }
}

void CQuillet::AllocateScratchBuffers()
{
    try {
        for (auto& buffer : scratchBuffers_)
            buffer.assign(kScratchBufferSize, 0);
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
}

void CQuillet::ListSoundCards(CSoundCardRegistry& registry)
{
    CRegisteredRtAudioCard::ListSystemCards(registry);
    registry.ListStandInCards(CSoundCardRegistry::StandInsFromEnvironment());
    registry.RemoveUnusable();
}

void CQuillet::StartSound()
{
    ListSoundCards(sound_.Registry());
    sound_.RequireCards();
}

bool CQuillet::StartMIDI()
{
    midiPorts_.ListPortsFromEnvironment();
    simulatedSamplers_.ConnectMIDI(SimulatedSamplersFromEnvironment().families, midiPorts_);
    // The preferences are read before start-up reports what is available.
    availability_.midi = midiPorts_.InputCount() > 0 && midiPorts_.OutputCount() > 0;
    return availability_.midi;
}

bool CQuillet::StartSCSI()
{
    scsiBuses_.ListBusesFromEnvironment();
    for (const SCSIAccessProblem& problem : scsiBuses_.AccessProblems()) {
        CAlertArguments names(problem.device);
        names.Add(problem.group);
        ShowAlertWithArguments(Res::kAlertSCSIAccessDenied, names);
    }
    simulatedSamplers_.ConnectSCSI(scsiBuses_);
    availability_.scsi = scsiBuses_.BusCount() > 0;
    return availability_.scsi;
}

void CQuillet::CloseSplashScreen()
{
    if (splash_)
        splash_->Close();
}

CQuillet::PreferencesOutcome CQuillet::ReadPreferences()
{
    return preferencesFile_.Load(preferences_, *this) ? PreferencesOutcome::kRead : PreferencesOutcome::kNoUsableFile;
}

void CQuillet::SetDefaultPreferences()
{
    preferences_.samplers.InstallPseudoSamplers(samplerTypes_);
    // The default sound card: the first one that opens.
    if (sound_.IsEnabled())
        sound_.OpenAnyCard();
}

void CQuillet::SearchSamplers()
{
    samplerFinder_.FindAllSamplers(preferences_.samplers);
}

CSoundSetup* CQuillet::Sound()
{
    return sound_.IsEnabled() ? &sound_ : nullptr;
}

bool CQuillet::VerifyInstalledSamplers()
{
    return samplerVerifier_.VerifyInstalledSamplers(preferences_.samplers);
}

DocumentPreferences CQuillet::DocumentSettings() const
{
    return documents_ ? documents_->Preferences() : DocumentPreferencesFrom(preferences_);
}

void CQuillet::ShowPreferences()
{
    if (!documents_)
        return;
    CQuilletPreferencesDialog dialog({IsSoundAvailable() ? &sound_ : nullptr, documents_->Preferences(),
                                      preferences_.application, preferences_.customColours,
                                      [this] { RedrawDocumentWindows(); }});
    dialog.RunModal();
    TellWindowsSoundChanged();
}

void CQuillet::ShowSamplerSettings()
{
    CConfigureSamplerDialog({preferences_.samplers, samplerTypes_, samplerDevices_, samplerFinder_, samplerVerifier_,
                             availability_.midi, availability_.scsi})
        .RunModal();
}

void CQuillet::ShowSystemInformation()
{
    CSystemInformationDialog(
        CSystemInformation::Gather("/", CSoundCardRegistry::StandInsFromEnvironment(), midiPorts_, scsiBuses_).Text())
        .RunModal();
}

void CQuillet::RedrawDocumentWindows()
{
    for (CDocumentWindow* window : DocumentWindows())
        window->UpdateContents();
}

void CQuillet::TearDown()
{
    sound_.Disable();
    splash_.reset();
    for (auto& buffer : scratchBuffers_)
        std::vector<std::uint8_t>().swap(buffer);
    beatsMenu_.reset();
    signatureMenu_.reset();
    SetMenuBar(nullptr, kWindowsMenu);
}

int CQuillet::ShowAlert(ResourceId alert)
{
    return ::ShowAlert(alert);
}

int CQuillet::ShowAlert(ResourceId alert, const std::string& parameter)
{
    return ShowAlertWithArgument(alert, parameter);
}

void CQuillet::ChannelChanged(CSoundChannel* channel)
{
    player_->SetChannel(channel);
}

void CQuillet::DisableSound()
{
    sound_.Disable();
    availability_.sound = false;
}

bool CQuillet::IsPlaying()
{
    return player_->PlayingSample() != nullptr;
}

void CQuillet::StopPlayback()
{
    player_->StopPlayback();
}

std::uint16_t CQuillet::GetChannelState()
{
    const CSoundChannel* channel = sound_.Channel();
    return channel ? channel->GetPlayAheadSetting() : kNone;
}

bool CQuillet::OpenChannel(std::uint16_t card, std::uint16_t state)
{
    if (!sound_.OpenCard(card))
        return false;
    // Another kind of card may offer fewer play-ahead settings.
    CSoundChannel& channel = *sound_.Channel();
    if (state < channel.GetPlayAheadSettingCount())
        channel.SetPlayAheadSetting(state);
    return true;
}

std::uint16_t CQuillet::GetOtherCard(std::uint16_t card)
{
    const std::uint16_t count = sound_.Registry().Count();
    if (count == 0)
        return kNone;
    return card < count ? static_cast<std::uint16_t>((card + 1) % count) : 0;
}

void CQuillet::TellWindowsSoundChanged()
{
    for (CDocumentWindow* window : DocumentWindows()) {
        window->CheckControls();
        window->UpdateContents();
    }
}

void CQuillet::UpdateMenus()
{
    CMenuBar* bar = Menus();
    if (!bar)
        return;
    MenuState state;
    state.midiAvailable = availability_.midi;
    state.scsiAvailable = availability_.scsi;
    state.browserInstalled = browserInstalled_;
    state.canOpen = documents_ != nullptr;
    state.canEditPreferences = documents_ != nullptr;
    for (std::size_t i = 0; i < recent_.Count(); ++i)
        state.recentDocuments.push_back(recent_[i].NameWithExtension());
    state.canEditSamplerSettings = true;
    state.canShowSystemInformation = true;
    const CInstalledSamplerList& samplers = preferences_.samplers;
    for (std::uint16_t i = 0; i < samplers.Count(); ++i)
        state.installedSamplers.push_back(samplers.At(i).Name());
    state.selectedSampler = samplers.SelectedIndex();
    if (const CInstalledSampler* selected = samplers.Selected()) {
        state.transmitLabel = TransmitMenuText(*selected);
        state.canReceive = selected->Type().CanReceive();
    }
    const CSlicingSettings defaults = DocumentSettings().lastUsed;
    state.defaultPitchToNewTempo = defaults.pitchMode;
    state.defaultSeparateSamples = defaults.separateSamples;
    state.defaultNormalize = defaults.normalize;
    state.defaultSilenceSelected = defaults.silenceSelected;

    const std::vector<CDocumentWindow*> windows = DocumentWindows();
    state.documentCount = static_cast<int>(windows.size());
    for (const CDocumentWindow* window : windows) {
        const QMdiSubWindow* sub = window->SubWindow();
        if (sub != nullptr && !sub->isHidden() && !sub->isMinimized())
            ++state.visibleNormalDocuments;
        if (sub != nullptr && sub->isMaximized())
            state.anyDocumentMaximized = true;
    }
    state.frameMaximized = Frame().isMaximized();
    // The framework has reset the records and adds the window list.
    CMenuUpdater::Update(*bar, state);
}

bool CQuillet::DoCommand(std::uint32_t command)
{
    CWindowArranger arranger(Frame().Area());
    switch (command) {
    case Cmd::kOpen: documents_->RunOpenCommand(); return true;
    case Cmd::kPreferences: ShowPreferences(); return true;
    case Cmd::kSamplerSettings: ShowSamplerSettings(); return true;
    case Cmd::kSystemInformation: ShowSystemInformation(); return true;
    case Cmd::kReceive:
        if (CInstalledSampler* selected = preferences_.samplers.Selected(); selected && selected->Type().CanReceive())
            transfers_.Receive(*selected, [this](std::unique_ptr<WAVE_SAMPLE> sound) {
                documents_->OpenSound(std::move(sound));
            });
        return true;
    case Cmd::kQuit: RequestQuit(); return true;
    case Cmd::kCascade: arranger.Cascade(); return true;
    case Cmd::kTileHorizontally: arranger.TileHorizontally(); return true;
    case Cmd::kTileVertically: arranger.TileVertically(); return true;
    case Cmd::kCloseAll: CloseAllDocumentWindows(); return true;
    case Cmd::kResizeToDocuments: arranger.ResizeFrameToDocuments(Frame()); return true;
    case Cmd::kContents: OpenHelp(); return true;
    case Cmd::kMakerHomePage: OpenWebPage(kMakerHomePage); return true;
    case Cmd::kDistributorHomePage:
    case Cmd::kTechInfo: OpenWebPage(kDistributorHomePage); return true;
    case Cmd::kDownloadLoops: OpenWebPage(kLoopsPage); return true;
    case Cmd::kAbout: ShowAbout(); return true;
    default: break;
    }
    if (command >= Cmd::kFirstRecentDocument && command <= Cmd::kLastRecentDocument) {
        OpenRecentDocument(command - Cmd::kFirstRecentDocument);
        return true;
    }
    if (command >= Cmd::kFirstSamplerSelection && command <= Cmd::kLastSamplerSelection) {
        const std::size_t index = command - Cmd::kFirstSamplerSelection;
        if (index < preferences_.samplers.Count() && index < Cmd::kMaxListedSamplers)
            preferences_.samplers.Select(static_cast<std::uint16_t>(index));
        return true;
    }
    return CApplication::DoCommand(command);
}

void CQuillet::OpenWebPage(const char* address)
{
    if (!CWebBrowser::OpenAddress(address))
        ShowAlert(kAlertNoBrowser);
}

std::string CQuillet::HelpFilePath()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        throw XFileNotFound();
    const QDir folder = QFileInfo(program).absoluteDir();
    const QString beside = folder.filePath(kHelpFileName);
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(QUILLET_DATA_FROM_PROGRAM "/") + kHelpFileName));
    return (QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed).toStdString();
}

void CQuillet::OpenHelp()
{
    const std::string path = HelpFilePath();
    if (!QFileInfo::exists(QString::fromStdString(path)))
        throw XFileNotFound();
    if (!CWebBrowser::OpenFile(path))
        ShowAlert(kAlertNoBrowser);
}

void CQuillet::ShowAbout()
{
    QDialog about(&Frame());
    about.setWindowTitle(QStringLiteral("About Quillet!"));
    auto* layout = new QVBoxLayout(&about);
    auto* picture = new QLabel;
    const auto bitmap = CPictureResources::LoadJPEG(kSplashPicture, 32);
    picture->setPixmap(QPixmap::fromImage(bitmap->GetImage().copy()));
    layout->addWidget(picture);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(buttons);
    about.exec();
}
