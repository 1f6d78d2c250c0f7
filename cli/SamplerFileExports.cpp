#include "cli/SamplerFileExports.h"

#include <filesystem>

#include "cli/CliExportFeedback.h"
#include "document/export/CLoopDocument.h"
#include "document/export/ExportChecks.h"
#include "document/export/ExportMixman.h"
#include "document/export/ExportSampleCell.h"
#include "document/export/ExportSoundFont.h"
#include "document/export/SliceFileName.h"
#include "formats/mixman/MixmanTrack.h"
#include "framework/alerts/Alerts.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "slicing/CSliceRenderSet.h"

namespace {

using ExportKind = CABCExportFeedback::ExportKind;

std::filesystem::path InstrumentFile(const std::string& folder, const std::string& name) {
    return std::filesystem::path(folder) / (name + kSampleCellFileType.ExtensionList().front());
}

}  // namespace

bool WriteSoundFontBank(CLoopDocument& document, const std::string& file, const std::string& bankName,
                        CliExportFeedback& feedback) {
    CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
    const std::optional<int> count = SlicesToExport(renderSet, ExportKind::kSoundFont, kSoundFontMaxSlices, feedback);
    return count && ExportSoundFont(renderSet, CFileSpec(file), bankName, *count);
}

bool WriteMixmanTrack(CLoopDocument& document, const std::string& file, const std::string& trackName,
                      CliExportFeedback& feedback) {
    CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
    if (renderSet.Numerator() != 4 || renderSet.Denominator() != 4) {
        feedback.Refuse(AlertLine(Res::kAlertMixmanNot44, CAlertArguments()));
        return false;
    }
    const std::optional<int> count = SlicesToExport(renderSet, ExportKind::kMixman, MixmanTrack::kMaxSamples, feedback);
    return count && ExportMixman(renderSet, CFileSpec(file), trackName, document.Settings().newTempo, *count);
}

bool WriteSampleCellInstrument(CLoopDocument& document, const std::string& folder, const std::string& name,
                               const std::optional<std::string>& templateFile, CliExportFeedback& feedback) {
    CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
    const std::optional<int> count =
        SlicesToExport(renderSet, ExportKind::kSampleCell, kSampleCellMaxSlices, feedback);
    if (!count) return false;
    std::filesystem::create_directories(folder);
    std::optional<CFileSpec> tmpl;
    if (templateFile) tmpl = CFileSpec(*templateFile);
    return ExportSampleCell(renderSet, CFileSpec(InstrumentFile(folder, name).string()), tmpl, *count, feedback);
}

std::string SampleCellSliceFile(const std::string& folder, const std::string& name, int index) {
    return SliceFileName(InstrumentFile(folder, name), index, kWaveFileType.ExtensionList().front(),
                         kSampleCellNameLimit)
        .string();
}
