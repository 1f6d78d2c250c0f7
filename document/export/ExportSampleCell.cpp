#include "document/export/ExportSampleCell.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "document/export/CABCExportFeedback.h"
#include "document/export/CSliceExportProgress.h"
#include "document/export/ExportChecks.h"
#include "document/export/ExportSlices.h"
#include "document/export/SliceFileName.h"
#include "document/export/TransposedKey.h"
#include "formats/samplecell/SampleCellInstrument.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "framework/streams/COpenFile.h"
#include "framework/streams/CSafeSaveBatch.h"
#include "slicing/CSliceRenderSet.h"

namespace {

constexpr std::uint8_t kRootKey = 60;

SampleCellTemplate TemplateFrom(const std::optional<CFileSpec>& templateFile) {
    SampleCellTemplate tmpl = SampleCellTemplate::Defaults();
    if (!templateFile) return tmpl;
    try {
        COpenFile file(*templateFile);
        ReadSampleCellTemplate(tmpl, file);
    } catch (const XFile& failure) {
        throw WithSystemError(XBadSampleCellTemplate(), failure.SystemError());
    }
    return tmpl;
}

std::unique_ptr<CSafeSaveFile> WriteInstrument(const CFileSpec& file, const SampleCellInstrument& instrument,
                                               const SampleCellTemplate& tmpl) {
    try {
        auto stream = std::make_unique<CSafeSaveFile>(file);
        WriteSampleCellInstrument(*stream, instrument, tmpl);
        return stream;
    } catch (const XOutOfMemory&) {
        throw;
    } catch (const XBase& failure) {
        throw WithSystemError(XSampleCellInstrument(), failure.SystemError());
    }
}

}  // namespace

bool ExportSampleCell(CSliceRenderSet& renderSet, const CFileSpec& file, const std::optional<CFileSpec>& templateFile,
                      int count, CABCExportFeedback& feedback) {
    CheckLoopHasLength(renderSet);
    count = std::min({count, renderSet.Count(), kSampleCellMaxSlices});
    if (count <= 0) throw XNothingToExport();
    renderSet.SetTargetRate(0);
    renderSet.SetExtraLength(kSampleCellExtraFrames);
    const SampleCellTemplate tmpl = TemplateFrom(templateFile);

    const std::string extension = kWaveFileType.ExtensionList().front();
    SampleCellInstrument instrument;
    for (int i = 0; i < count; ++i)
        instrument.slices.push_back(
            {SliceFileName(file.FullPath(), i, extension, kSampleCellNameLimit).filename().string(),
             2 * renderSet.RenderedLength(i)});
    const TransposedKey root = TransposeKey(kRootKey, renderSet.PitchMode(), renderSet.Transposition());
    instrument.rootKey = root.rootKey;
    instrument.fineTune = SampleCellFineTune(root.cents);

    std::vector<std::unique_ptr<CSafeSaveFile>> written;
    written.push_back(WriteInstrument(file, instrument, tmpl));
    CSliceExportProgress progress(count, Res::kStringSoundExportCancelled);
    if (!WriteSliceFiles(renderSet, file, kWaveFileType, count, kSampleCellNameLimit, feedback, progress,
                         [&written](std::unique_ptr<CSafeSaveFile> slice) { written.push_back(std::move(slice)); }))
        return false;
    CSafeSaveBatch batch;
    for (std::unique_ptr<CSafeSaveFile>& stream : written) batch.Add(std::move(stream));
    batch.Commit();
    progress.Complete();
    return true;
}
