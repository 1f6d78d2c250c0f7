#include "document/export/ExportSlices.h"

#include <algorithm>

#include "document/export/CABCExportFeedback.h"
#include "document/export/CSliceExportProgress.h"
#include "document/export/ExportChecks.h"
#include "document/export/SliceFileName.h"
#include "formats/sound/AIFFFile.h"
#include "formats/sound/WAVFile.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "framework/streams/CSafeSaveBatch.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

bool WriteSliceFiles(CSliceRenderSet& renderSet, const CFileSpec& file, const CFileType& fileType, int count,
                     std::size_t nameLimit, CABCExportFeedback& feedback, CSliceExportProgress& progress,
                     const std::function<void(std::unique_ptr<CSafeSaveFile>)>& keep) {
    const bool wav = &fileType == &kWaveFileType;
    const std::string extension = fileType.ExtensionList().front();
    bool replaceAll = false;
    for (int i = 0; i < count; ++i) {
        if (!progress.Continue(i)) return false;
        const std::unique_ptr<WAVE_SAMPLE> slice = renderSet.Render(i);
        const CFileSpec sliceFile(SliceFileName(file.FullPath(), i, extension, nameLimit).string());
        if (!replaceAll && std::filesystem::exists(sliceFile.FullPath())) {
            switch (feedback.AskReplace(sliceFile.NameWithExtension())) {
            case CABCExportFeedback::ReplaceAnswer::kCancel:
                return false;
            case CABCExportFeedback::ReplaceAnswer::kReplaceAll:
                replaceAll = true;
                break;
            case CABCExportFeedback::ReplaceAnswer::kReplace:
                break;
            }
        }
        auto stream = std::make_unique<CSafeSaveFile>(sliceFile);
        if (wav)
            WriteWAV(*stream, *slice);
        else
            WriteAIFF(*stream, *slice);
        keep(std::move(stream));
    }
    return true;
}

bool ExportSlices(CSliceRenderSet& renderSet, const CFileSpec& file, const CFileType& fileType,
                  std::uint32_t extraFrames, std::uint32_t sampleRate, std::optional<int> sliceLimit,
                  std::size_t nameLimit, CABCExportFeedback& feedback) {
    CheckLoopHasLength(renderSet);
    renderSet.SetExtraLength(extraFrames);
    renderSet.SetTargetRate(sampleRate);
    const int count = std::min(renderSet.Count(), sliceLimit.value_or(renderSet.Count()));

    // The slice files are flushed together at the end, at a stop or a cancel
    // (and, by the batch's destructor, after a failure): every file written
    // before stays, and none is ever half-written in place of a good one.
    CSafeSaveBatch batch;
    CSliceExportProgress progress(count, Res::kStringSoundExportCancelled);
    const bool complete = WriteSliceFiles(renderSet, file, fileType, count, nameLimit, feedback, progress,
                                          [&batch](std::unique_ptr<CSafeSaveFile> written) { batch.Add(std::move(written)); });
    batch.Commit();
    if (complete) progress.Complete();
    return complete;
}
