#include "gui/window/CDocumentOpener.h"

#include "document/export/CLoopDocument.h"
#include "document/window/CLoopOpener.h"
#include "framework/alerts/Alerts.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/window/CFileChooser.h"
#include "gui/window/COpenAudioFileDialog.h"
#include "gui/window/CQuilletWindow.h"
#include "sound/WAVE_SAMPLE.h"

CDocumentOpener::CDocumentOpener(CApplication& application, std::shared_ptr<CWavePlayer> player,
                                 std::function<bool()> soundAvailable, std::function<CMenuBar*()> menuBar,
                                 std::function<void(const CFileSpec&)> fileUsed)
    : fApplication(application),
      fSession(std::make_shared<DocumentSession>(std::move(soundAvailable), std::move(menuBar), std::move(player)))
{
    fSession->fileUsed = std::move(fileUsed);
    fSession->openSoundWindow = [this](std::unique_ptr<WAVE_SAMPLE> sound) { OpenSound(std::move(sound)); };
}

CDocumentOpener::~CDocumentOpener()
{
    fSession->player.StopPlayback();
    // Windows may outlive the opener; they can no longer open others.
    fSession->openSoundWindow = nullptr;
    fSession->transmitTarget = nullptr;
}

void CDocumentOpener::RunOpenCommand()
{
    fSession->player.StopPlayback();
    const CFileTypeList types{&kAIFFFileType, &kWaveFileType, &kQuilletDocumentFileType};
    const std::optional<std::string> path =
        CFileChooser::AskToOpen(nullptr, GetResourceString(Res::kStringOpenTitle), types);
    if (path)
        OpenFile(*path);
}

CQuilletWindow* CDocumentOpener::OpenFile(const std::string& path)
{
    CLoopOpener opener(*this);
    CQuilletWindow* window = ShowWindow(opener.Open(path, fSession->preferences.NewDocumentSettings()));
    if (window && fSession->fileUsed)
        fSession->fileUsed(CFileSpec(path));
    return window;
}

CQuilletWindow* CDocumentOpener::OpenDemoLoop()
{
    return ShowWindow(CLoopOpener::DemoLoop(fSession->preferences.NewDocumentSettings()));
}

CQuilletWindow* CDocumentOpener::OpenSound(std::unique_ptr<WAVE_SAMPLE> sound)
{
    return ShowWindow(CLoopOpener::FromSound(std::move(sound), fSession->preferences.NewDocumentSettings()));
}

CQuilletWindow* CDocumentOpener::ShowWindow(std::unique_ptr<CLoopDocument> document)
{
    if (!document)
        return nullptr;
    try {
        auto window = std::make_unique<CQuilletWindow>(fApplication, std::move(document), fSession);
        CQuilletWindow& shown = static_cast<CQuilletWindow&>(fApplication.AddDocumentWindow(std::move(window)));
        shown.Open();
        return &shown;
    } catch (...) {
        ::ShowAlert(CLoopOpener::AlertFor(std::current_exception()));
        return nullptr;
    }
}

std::optional<ChannelChoice> CDocumentOpener::AskChannel(const std::string& path, const SoundFileInfo& info)
{
    return COpenAudioFileDialog::Ask(path, info, fSession->soundAvailable() ? &fSession->player : nullptr);
}

void CDocumentOpener::ShowAlert(ResourceId alert, const std::string& argument)
{
    ShowAlertWithArgument(alert, argument);
}
