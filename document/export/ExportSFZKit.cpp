#include "document/export/ExportSFZKit.h"

#include <string>

#include "document/export/CABCExportFeedback.h"
#include "document/export/ExportChecks.h"
#include "document/export/ExportSlices.h"
#include "document/export/SliceFileName.h"
#include "formats/midi/CGrooveMIDIFile.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "framework/streams/CSafeSaveFile.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"

namespace {

constexpr const char* kSliceExtension = ".wav";

std::string KitText(const CSliceRenderSet& renderSet, const CFileSpec& file, int count)
{
    std::string text = "// " + file.Name() + ": " + std::to_string(count) +
                       " slices of a loop, slice i on key 36 + i\n"
                       "<global>\nloop_mode=one_shot\n\n<group>\n";
    const TranspositionSplit split = SplitTransposition(renderSet.Transposition());
    if (split.semitones != 0 || split.cents != 0)
        text += "transpose=" + std::to_string(split.semitones) + "\ntune=" + std::to_string(split.cents) + "\n";
    const std::filesystem::path slices = std::filesystem::path(file.Directory()) / (file.Name() + kSliceExtension);
    for (int i = 0; i < count; ++i) {
        const std::string sample = SliceFileName(slices, i, kSliceExtension, kSliceNameLimit).filename().string();
        text += "\n<region>\nsample=" + sample + "\nkey=" + std::to_string(CGrooveMIDIFile::kFirstNote + i) + "\n";
    }
    return text;
}

} // namespace

bool ExportSFZKit(CSliceRenderSet& renderSet, const CFileSpec& file, std::uint32_t sampleRate,
                  CABCExportFeedback& feedback)
{
    CheckLoopHasLength(renderSet);
    renderSet.SetTargetRate(sampleRate);
    int count = renderSet.Count();
    if (count > CGrooveMIDIFile::kMaxNotes) {
        if (!feedback.AcceptFirstSlices(CABCExportFeedback::ExportKind::kMIDI, CGrooveMIDIFile::kMaxNotes))
            return false;
        count = CGrooveMIDIFile::kMaxNotes;
    }
    const CFileSpec slices(file.Directory(), file.Name(), kSliceExtension);
    if (!ExportSlices(renderSet, slices, kWaveFileType, 0, sampleRate, count, kSliceNameLimit, feedback))
        return false;
    const std::string text = KitText(renderSet, file, count);
    CSafeSaveFile stream(file);
    stream.Write(static_cast<std::int64_t>(text.size()), text.data());
    stream.Commit();
    return true;
}
