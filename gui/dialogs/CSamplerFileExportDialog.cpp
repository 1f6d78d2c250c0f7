#include "gui/dialogs/CSamplerFileExportDialog.h"

#include "document/export/CExportNameMemory.h"
#include "document/export/ExportChecks.h"
#include "document/export/ExportFailureAlert.h"
#include "document/export/ExportGrooveMIDI.h"
#include "framework/alerts/Alerts.h"
#include "framework/files/FileTypes.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/window/RequiredItem.h"

CSamplerFileExportDialog::CSamplerFileExportDialog(std::uint16_t templateNumber, std::uint16_t midiAndExport,
                                                   SamplerFileExportJob& job)
    : CModalDialog(templateNumber), fJob(job)
{
    for (const DialogItemRecord& item : Items())
        if (item.kind == DialogItemKind::kStaticText && item.id >= kFirstLabel)
            new CStaticTextView(&Root(), item.frame, item.text);
    fExport = new CPushButtonView(&Root(), RequiredItem(*this, kExport));
    fCancel = new CPushButtonView(&Root(), RequiredItem(*this, kCancel));
    if (midiAndExport != 0)
        fMIDIAndExport = new CPushButtonView(&Root(), RequiredItem(*this, midiAndExport));
    SetDefaultButton(fExport);
    SetCancelButton(fCancel);
}

void CSamplerFileExportDialog::AddNameField(std::uint16_t item, CExportNameMemory& name, int maxLength)
{
    const PixelRect& field = RequiredItem(*this, item).frame;
    fName = new CSingleLineTextEditView(&Root(), field.left, field.top, field.Width(), maxLength);
    fName->SetText(name.Propose(fJob.sampleName));
    fNameMemory = &name;
    SetFocusView(fName);
}

void CSamplerFileExportDialog::CheckFields()
{
    if (fName)
        fNameMemory->Set(fName->Text());
}

void CSamplerFileExportDialog::CheckControls()
{
    CheckFields();
    if (fCancel->TakePress()) {
        EndModal(kCancel);
        return;
    }
    const bool withMIDI = fMIDIAndExport && fMIDIAndExport->TakePress();
    if (!withMIDI && !fExport->TakePress())
        return;
    const std::optional<int> exported = Export();
    if (!exported)
        return;
    if (withMIDI)
        ExportGrooveMIDI(*exported);
    EndModal(kExport);
}

std::optional<int> CSamplerFileExportDialog::RunExport(const Kind& kind, const std::string& name, const Write& write)
{
    try {
        const std::optional<int> count = SlicesToExport(fJob.renderSet, kind.kind, kind.limit, fJob.feedback);
        if (!count)
            return std::nullopt;
        const std::optional<CFileSpec> file = fJob.askFileToWrite(kind.saveTitle, name, *kind.fileType);
        if (!file || !write(*file, *count))
            return std::nullopt;
        return count;
    } catch (...) {
        ShowAlert(ExportFailureAlert(std::current_exception(), kind.failureAlert));
        return std::nullopt;
    }
}

void CSamplerFileExportDialog::ExportGrooveMIDI(int count)
{
    try {
        const std::optional<CFileSpec> file =
            fJob.askFileToWrite(Res::kStringExportMIDITitle, CFileSpec(fJob.sampleName).Name(), kMIDIFileType);
        if (file)
            ::ExportGrooveMIDI(fJob.renderSet, *file, fJob.feedback, count);
    } catch (...) {
        ShowAlert(Res::kAlertMIDIFileFailed);
    }
}
