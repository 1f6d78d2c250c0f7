#include "document/export/ExportGrooveMIDI.h"

#include <algorithm>

#include "document/export/CABCExportFeedback.h"
#include "document/export/ExportChecks.h"
#include "framework/streams/CSafeSaveFile.h"
#include "slicing/CSliceRenderSet.h"

namespace {

// The rate the groove export sets; it does not change the segments' frames.
constexpr std::uint32_t kGrooveRate = 44100;

}  // namespace

CGrooveMIDIFile GrooveOf(const CSliceRenderSet& renderSet, int count) {
    CGrooveMIDIFile groove;
    groove.numerator = static_cast<std::uint8_t>(renderSet.Numerator());
    groove.denominator = static_cast<std::uint8_t>(renderSet.Denominator());
    groove.tempo = static_cast<std::uint32_t>(std::max(renderSet.Tempo(), 0));
    groove.loopTicks = renderSet.LoopTicks();
    groove.left = renderSet.From();
    groove.loopFrames = std::int64_t{renderSet.To()} - renderSet.From();
    for (int k = 0; k < count; ++k) {
        const CSliceRenderSet::Segment segment = renderSet.OutputSegment(k);
        groove.segments.push_back({segment.start, segment.end});
    }
    return groove;
}

bool ExportGrooveMIDI(CSliceRenderSet& renderSet, const CFileSpec& file, CABCExportFeedback& feedback,
                      std::optional<int> noteCount) {
    CheckLoopHasLength(renderSet);
    renderSet.SetTargetRate(kGrooveRate);
    int count = std::min(renderSet.Count(), noteCount.value_or(renderSet.Count()));
    if (count > CGrooveMIDIFile::kMaxNotes) {
        if (!feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kMIDI, CGrooveMIDIFile::kMaxNotes))
            return false;
        count = CGrooveMIDIFile::kMaxNotes;
    }

    const std::vector<std::uint8_t> bytes = GrooveOf(renderSet, count).Build();

    CSafeSaveFile stream(file);
    stream.Write(static_cast<std::int64_t>(bytes.size()), bytes.data());
    stream.Commit();
    return true;
}
