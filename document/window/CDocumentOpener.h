#pragma once
// Opens loops into new document windows: the File Open command (a file
// dialog with the sound and document types, then the Open Audio File
// dialog), files named on the command line or handed over by a second
// start, and the demo loop shown when the program starts without a file.
// It owns the program's sample player and the document preferences that
// the windows share.
#include <functional>
#include <memory>
#include <string>

#include "document/playback/CWavePlayer.h"
#include "document/window/model/CABCOpenQuestions.h"
#include "document/window/model/DocumentPreferences.h"

class CApplication;
class CLoopDocument;
class CQuilletWindow;

class CDocumentOpener : private CABCOpenQuestions {
public:
    // soundAvailable tells whether a sound channel is open.
    CDocumentOpener(CApplication& application, std::function<bool()> soundAvailable);
    ~CDocumentOpener() override;

    // File Open: stops playback, asks for a file and opens it.
    void RunOpenCommand();
    // Opens path in a new window; nullptr when it was cancelled or failed
    // (the alert has been shown).
    CQuilletWindow* OpenFile(const std::string& path);
    CQuilletWindow* OpenDemoLoop();

    CWavePlayer& Player() { return fPlayer; }
    DocumentPreferences& Preferences() { return fPreferences; }

private:
    std::optional<ChannelChoice> AskChannel(const std::string& path, const SoundFileInfo& info) override;
    void ShowAlert(ResourceId alert, const std::string& argument) override;
    CQuilletWindow* ShowWindow(std::unique_ptr<CLoopDocument> document);

    CApplication& fApplication;
    std::function<bool()> fSoundAvailable;
    CWavePlayer fPlayer;
    DocumentPreferences fPreferences;
};
