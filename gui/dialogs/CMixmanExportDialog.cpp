#include "gui/dialogs/CMixmanExportDialog.h"

#include "document/export/ExportMixman.h"
#include "document/export/SamplerFileExportSettings.h"
#include "formats/mixman/MixmanTrack.h"
#include "framework/files/FileTypes.h"

namespace {
constexpr int kNameLength = 255;
}  // namespace

CMixmanExportDialog::CMixmanExportDialog(SamplerFileExportJob& job) : CSamplerFileExportDialog(kTemplate, 0, job)
{
    AddNameField(kName, job.settings.trackName, kNameLength);
}

std::optional<int> CMixmanExportDialog::Export()
{
    const std::string trackName = Job().settings.trackName.Name();
    const Kind kind{CABCExportFeedback::ExportKind::kMixman, MixmanTrack::kMaxSamples, Res::kStringExportMixmanAs,
                    &kMixmanTrackFileType, Res::kAlertMixmanExportFailed};
    return RunExport(kind, trackName, [this, &trackName](const CFileSpec& file, int count) {
        return ExportMixman(Job().renderSet, file, trackName, Job().newTempo, count);
    });
}
