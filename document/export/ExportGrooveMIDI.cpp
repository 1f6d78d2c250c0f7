#include "document/export/ExportGrooveMIDI.h"

#include <algorithm>

#include "document/export/CABCExportFeedback.h"
#include "document/export/ExportChecks.h"
#include "formats/midi/CGrooveMIDIFile.h"
#include "framework/streams/CSafeSaveFile.h"
#include "slicing/CSliceRenderSet.h"

namespace {

// The rate the groove export sets; it does not change the segments' frames.
constexpr std::uint32_t kGrooveRate = 44100;

}  // namespace

bool ExportGrooveMIDI(CSliceRenderSet& renderSet, const CFileSpec& file, CABCExportFeedback& feedback) {
    CheckLoopHasLength(renderSet);
    renderSet.SetTargetRate(kGrooveRate);
    int count = renderSet.Count();
    if (count > CGrooveMIDIFile::kMaxNotes) {
        if (!feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kMIDI, CGrooveMIDIFile::kMaxNotes))
            return false;
        count = CGrooveMIDIFile::kMaxNotes;
    }

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
    const std::vector<std::uint8_t> bytes = groove.Build();

    CSafeSaveFile stream(file);
    stream.Write(static_cast<std::int64_t>(bytes.size()), bytes.data());
    stream.Commit();
    return true;
}
