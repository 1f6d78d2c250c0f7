#pragma once
// Opens loops into new document windows: the File Open command (a file
// dialog with the sound and document types, then the Open Audio File
// dialog), files named on the command line or handed over by a second
// start, and the demo loop shown when the program starts without a file.
// It keeps the session that its windows share: the sample player and the
// document preferences.
#include <functional>
#include <memory>
#include <string>

#include "document/window/CABCOpenQuestions.h"
#include "gui/window/DocumentSession.h"

class CApplication;
class CLoopDocument;
class CQuilletWindow;

class CDocumentOpener : private CABCOpenQuestions {
public:
    // player: the application's sample player; soundAvailable tells whether a
    // sound channel is open; menuBar gives the menu records (nullptr before
    // they are built); fileUsed learns every file a window opened or saved.
    CDocumentOpener(CApplication& application, std::shared_ptr<CWavePlayer> player,
                    std::function<bool()> soundAvailable, std::function<CMenuBar*()> menuBar,
                    std::function<void(const CFileSpec&)> fileUsed);
    ~CDocumentOpener() override;

    // File Open: stops playback, asks for a file and opens it.
    void RunOpenCommand();
    // Opens path in a new window; nullptr when it was cancelled or failed
    // (the alert has been shown).
    CQuilletWindow* OpenFile(const std::string& path);
    CQuilletWindow* OpenDemoLoop();
    // A sound made in the program, analysed, in a new window.
    CQuilletWindow* OpenSound(std::unique_ptr<WAVE_SAMPLE> sound);
    // Where Transmit sends the slices of the windows.
    void SetTransmitTarget(std::function<CInstalledSampler*()> target) { fSession->transmitTarget = std::move(target); }
    void SetTransmitToSampler(std::function<void(CInstalledSampler&, const CSliceRenderSet&)> dialog)
    {
        fSession->transmitToSampler = std::move(dialog);
    }

    CWavePlayer& Player() { return fSession->player; }
    DocumentPreferences& Preferences() { return fSession->preferences; }

private:
    std::optional<ChannelChoice> AskChannel(const std::string& path, const SoundFileInfo& info) override;
    void ShowAlert(ResourceId alert, const std::string& argument) override;
    CQuilletWindow* ShowWindow(std::unique_ptr<CLoopDocument> document);

    CApplication& fApplication;
    std::shared_ptr<DocumentSession> fSession;
};
