#include "document/export/ExportMixman.h"

#include <algorithm>

#include "document/export/CSliceExportProgress.h"
#include "document/export/ExportChecks.h"
#include "formats/chunks/ByteOrder.h"
#include "document/export/ExportGrooveMIDI.h"
#include "formats/mixman/MixmanTrack.h"
#include "framework/streams/CSafeSaveFile.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr double kDefaultTempo = 120.0;
constexpr std::int64_t kWholeNoteTicks = 4 * CGrooveMIDIFile::kDivision;

// The note track of the groove file built with slice i on key i, without its
// header and its end-of-track event.
std::vector<std::uint8_t> NoteEvents(const CSliceRenderSet& renderSet, int count) {
    CGrooveMIDIFile groove = GrooveOf(renderSet, count);
    groove.firstNote = 0;
    groove.division = MixmanTrack::kTicksPerQuarter;
    const std::vector<std::uint8_t> file = groove.Build();
    // MThd (14 bytes), then the tempo track, then the note track.
    const std::size_t tempoTrack = 14;
    const std::size_t noteTrack = tempoTrack + 8 + ReadBigEndian32(&file[tempoTrack + 4]);
    const std::size_t length = ReadBigEndian32(&file[noteTrack + 4]);
    const auto events = file.begin() + static_cast<std::ptrdiff_t>(noteTrack + 8);
    return std::vector<std::uint8_t>(events, events + static_cast<std::ptrdiff_t>(length - 4));
}

}  // namespace

bool ExportMixman(CSliceRenderSet& renderSet, const CFileSpec& file, const std::string& trackName,
                  std::int32_t newTempo, int count) {
    CheckLoopHasLength(renderSet);
    count = std::min({count, renderSet.Count(), MixmanTrack::kMaxSamples});
    if (count <= 0) throw XNothingToExport();
    renderSet.SetTargetRate(MixmanTrack::kRate);

    MixmanTrack track;
    track.name = trackName;
    track.tempo = newTempo > 0 ? newTempo * 0.001 : kDefaultTempo;
    track.noteEvents = NoteEvents(renderSet, count);
    track.loopBeats = static_cast<std::uint16_t>(std::int64_t{renderSet.LoopTicks()} * renderSet.Denominator() /
                                                 kWholeNoteTicks);
    CSliceExportProgress progress(count, Res::kStringSoundExportCancelled);
    for (int i = 0; i < count; ++i) {
        if (!progress.Continue(i)) return false;
        const std::unique_ptr<WAVE_SAMPLE> slice = renderSet.Render(i);
        std::vector<std::int16_t>& points = track.samples.emplace_back(slice->Frames());
        slice->Samples().ReadBytes(0, slice->Frames() * 2, points.data());
    }
    CSafeSaveFile stream(file);
    WriteMixmanTrack(stream, track);
    progress.Complete();
    stream.Commit();
    return true;
}
