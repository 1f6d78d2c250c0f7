#pragma once
// What a document window's model asks of the program around it: the sound
// channel, the preferences it reads, the questions it puts to the user, the
// files it asks for and the windows it refreshes. The window program answers
// with dialogs and alerts; tests answer from a script.
#include <cstdint>
#include <optional>

#include "framework/files/CFileSpec.h"
#include "resources/CaravelResources.h"

class CABCExportFeedback;
class CFileType;
class CSliceRenderSet;
class CSlicingSettings;

class CABCQuilletWindowHost {
public:
    enum class FileKind { kDocument, kSlices, kSLX, kGrooveMIDI, kMarkedLoop, kSFZKit };
    struct ChosenFile {
        CFileSpec file;
        const CFileType* type = nullptr;  // the chosen sound-file type for slices
    };

    virtual ~CABCQuilletWindowHost() = default;

    // A sound channel is open.
    virtual bool IsSoundAvailable() const = 0;
    // The selected installed sampler can transmit.
    virtual bool CanTransmit() const = 0;
    virtual bool AlwaysMoveLeftLocator() const = 0;
    virtual bool ScrollDuringPlayback() const = 0;
    virtual void SetScrollDuringPlayback(bool on) = 0;
    // The defaults that new documents start with.
    virtual void StoreDefaultSettings(const CSlicingSettings& settings) = 0;

    // Alert 16: true for Yes.
    virtual bool AskMoveLeftLocator() = 0;
    // The loop-length dialog: the bars entered (at least 1), or nothing.
    virtual std::optional<std::int16_t> AskLoopLength() = 0;
    // A file to write; nothing when the user cancels. name: the sound's name.
    virtual std::optional<ChosenFile> AskFileToWrite(FileKind kind, const char* name) = 0;
    // The document was written to file.
    virtual void DocumentSaved(const CFileSpec& file) = 0;
    virtual CABCExportFeedback& ExportFeedback() = 0;
    virtual void ShowAlert(ResourceId alert) = 0;
    // Hands a loop to the selected sampler's transmitter.
    virtual void Transmit(CSliceRenderSet& renderSet) = 0;
    // Every document window shows its settings and slicing again.
    virtual void RefreshAllWindows() = 0;
};
