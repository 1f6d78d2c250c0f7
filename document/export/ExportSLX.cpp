#include "document/export/ExportSLX.h"

#include <algorithm>

#include "document/export/CABCExportFeedback.h"
#include "document/export/CSliceExportProgress.h"
#include "document/export/ExportChecks.h"
#include "formats/slx/CSLXWriter.h"
#include "framework/streams/CSafeSaveFile.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

bool ExportSLX(CSliceRenderSet& renderSet, const CFileSpec& file, std::uint32_t sampleRate,
               CABCExportFeedback& feedback) {
    CheckLoopHasLength(renderSet);
    // A target rate of 0 stands for the sound's own rate, which the tempo is measured in.
    renderSet.SetTargetRate(0);
    const std::uint32_t soundRate = renderSet.TargetRate();
    renderSet.SetTargetRate(sampleRate);
    int count = renderSet.Count();
    if (count > kSLXMaxSlices) {
        if (!feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kSLX, kSLXMaxSlices)) return false;
        count = kSLXMaxSlices;
    }

    CSLXRecord record;
    record.loopTicks = static_cast<std::uint32_t>(renderSet.LoopTicks());
    const std::int64_t loopFrames = std::int64_t{renderSet.To()} - renderSet.From();
    record.tempo = CSLXRecord::StoredTempo(static_cast<std::uint32_t>(std::max(renderSet.Tempo(), 0)),
                                           soundRate, renderSet.LoopTicks(), loopFrames);

    CSafeSaveFile stream(file);
    CSLXWriter writer(stream);
    writer.Begin();
    CSliceExportProgress progress(count, Res::kStringSLXExportCancelled);
    for (int k = 0; k < count; ++k) {
        if (!progress.Continue(k)) return false;
        const std::uint32_t offset = writer.BeginSegment();
        const std::unique_ptr<WAVE_SAMPLE> slice = renderSet.Render(k);
        slice->Samples().Walk(0, slice->Samples().Size(),
                              [&writer](const std::uint8_t* block, std::uint32_t length, std::uint32_t) {
                                  writer.WriteFrames(reinterpret_cast<const std::int16_t*>(block), length / 2);
                                  return true;
                              });
        const auto position = renderSet.TickOf(renderSet.OutputSegment(k).start);
        record.slices.push_back({offset, slice->Frames(), static_cast<std::uint32_t>(position)});
    }
    progress.Complete();
    writer.Finish(record, sampleRate);
    stream.Commit();
    return true;
}
