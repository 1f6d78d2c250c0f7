#pragma once
// A document window's surroundings answered from a script, recording what
// the window asked and showed.
#include <optional>
#include <string>
#include <vector>

#include "document/window/CABCQuilletWindowHost.h"
#include "slicing/CSlicingSettings.h"
#include "tests/support/LoopFixture.h"

class FakeWindowHost : public CABCQuilletWindowHost {
public:
    bool IsSoundAvailable() const override { return soundAvailable; }
    bool CanTransmit() const override { return canTransmit; }
    bool AlwaysMoveLeftLocator() const override { return alwaysMoveLeftLocator; }
    bool ScrollDuringPlayback() const override { return scrollDuringPlayback; }
    void SetScrollDuringPlayback(bool on) override { scrollDuringPlayback = on; }
    void StoreDefaultSettings(const CSlicingSettings& settings) override { storedDefaults = settings; }
    bool AskMoveLeftLocator() override
    {
        ++locatorQuestions;
        return moveLeftLocatorAnswer;
    }
    std::optional<std::int16_t> AskLoopLength() override
    {
        ++loopLengthQuestions;
        return loopLengthAnswer;
    }
    std::optional<ChosenFile> AskFileToWrite(FileKind kind, const char*) override
    {
        askedFiles.push_back(kind);
        return fileAnswer;
    }
    void DocumentSaved(const CFileSpec& file) override { saved.push_back(file.FullPath()); }
    CABCExportFeedback& ExportFeedback() override { return feedback; }
    void ShowAlert(ResourceId alert) override { alerts.push_back(alert); }
    void Transmit(CSliceRenderSet&) override { ++transmissions; }
    void RefreshAllWindows() override { ++refreshes; }

    bool soundAvailable = true;
    bool canTransmit = false;
    bool alwaysMoveLeftLocator = false;
    bool scrollDuringPlayback = true;
    bool moveLeftLocatorAnswer = false;
    std::optional<std::int16_t> loopLengthAnswer;
    std::optional<ChosenFile> fileAnswer;

    int locatorQuestions = 0;
    int loopLengthQuestions = 0;
    int refreshes = 0;
    int transmissions = 0;
    std::vector<FileKind> askedFiles;
    std::vector<std::string> saved;
    std::vector<ResourceId> alerts;
    std::optional<CSlicingSettings> storedDefaults;
    CScriptedFeedback feedback;
};
