#include "gui/dialogs/CSoundFontExportDialog.h"

#include "document/export/ExportSoundFont.h"
#include "document/export/SamplerFileExportSettings.h"
#include "framework/files/FileTypes.h"

namespace {
constexpr int kNameLength = 259;
}  // namespace

CSoundFontExportDialog::CSoundFontExportDialog(SamplerFileExportJob& job)
    : CSamplerFileExportDialog(kTemplate, kMIDIAndExport, job)
{
    AddNameField(kName, job.settings.bankName, kNameLength);
}

std::optional<int> CSoundFontExportDialog::Export()
{
    const std::string bankName = Job().settings.bankName.Name();
    const Kind kind{CABCExportFeedback::ExportKind::kSoundFont, kSoundFontMaxSlices, Res::kStringExportSoundFontAs,
                    &kSoundFontFileType, Res::kAlertSoundFontExportFailed};
    return RunExport(kind, bankName, [this, &bankName](const CFileSpec& file, int count) {
        return ExportSoundFont(Job().renderSet, file, bankName, count);
    });
}
