#pragma once
// The frame of the file pseudo-samplers' export dialogs: "Export...",
// "Cancel" and (where the dialog has it) "MIDI File + Export...". An export
// asks how many slices to write, then for the file, then writes; a failure
// shows its alert and keeps the dialog open, a success closes it. After
// "MIDI File + Export..." the groove MIDI file of the slices written
// follows, from key 36 up.
#include <cstdint>
#include <functional>

#include "document/export/CABCExportFeedback.h"
#include "gui/dialogs/SamplerFileExportJob.h"
#include "gui/framework/windows/CModalDialog.h"

class CExportNameMemory;
class CPushButtonView;
class CSingleLineTextEditView;

class CSamplerFileExportDialog : public CModalDialog {
public:
    enum ButtonId : std::uint16_t { kExport = 1, kCancel = 2 };
    // Static items from this id up are fixed labels; below it the dialog shows its own texts.
    static constexpr std::uint16_t kFirstLabel = 10;

    CPushButtonView& ExportButton() const { return *fExport; }
    CPushButtonView& CancelButton() const { return *fCancel; }
    // Nothing in a dialog without the button.
    CPushButtonView* MIDIAndExportButton() const { return fMIDIAndExport; }
    // Nothing in a dialog without a name field.
    CSingleLineTextEditView* NameField() const { return fName; }

    void CheckControls() override;

protected:
    // What one export writes.
    struct Kind {
        CABCExportFeedback::ExportKind kind;
        int limit;
        ResourceId saveTitle;
        const CFileType* fileType;
        ResourceId failureAlert;
    };
    using Write = std::function<bool(const CFileSpec& file, int count)>;

    // midiAndExport: the item of "MIDI File + Export...", 0 when the dialog has none.
    CSamplerFileExportDialog(std::uint16_t templateNumber, std::uint16_t midiAndExport, SamplerFileExportJob& job);

    SamplerFileExportJob& Job() const { return fJob; }
    // A "Name:" field at item: it shows the name proposed for the document
    // and every change goes into name.
    void AddNameField(std::uint16_t item, CExportNameMemory& name, int maxLength);
    // Reads the dialog's own controls before a button acts.
    virtual void CheckFields();
    // Runs the dialog's export; the slices written, or nothing.
    virtual std::optional<int> Export() = 0;
    // The steps every export takes: how many slices, which file (offered as
    // name), then write. The slices written, or nothing when the user
    // declined, cancelled or stopped, or the export failed (after its alert).
    std::optional<int> RunExport(const Kind& kind, const std::string& name, const Write& write);

private:
    void ExportGrooveMIDI(int count);

    SamplerFileExportJob& fJob;
    CPushButtonView* fExport = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fMIDIAndExport = nullptr;
    CSingleLineTextEditView* fName = nullptr;
    CExportNameMemory* fNameMemory = nullptr;
};
