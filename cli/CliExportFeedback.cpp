#include "cli/CliExportFeedback.h"

bool CliExportFeedback::AcceptFirstSlices(ExportKind kind, int limit) {
    if (force_) return true;
    const char* file = "SLX file";
    switch (kind) {
    case ExportKind::kMIDI: file = "MIDI file"; break;
    case ExportKind::kSoundFont: file = "SoundFont bank"; break;
    case ExportKind::kMixman: file = "Mixman TRK file"; break;
    case ExportKind::kSampleCell: file = "SampleCell instrument"; break;
    case ExportKind::kSLX: break;
    }
    refusal_ = "Too many slices! Only the first " + std::to_string(limit) + " slices fit in the " + file +
               "; give --force to write them.";
    return false;
}

CliExportFeedback::ReplaceAnswer CliExportFeedback::AskReplace(const std::string& fileName) {
    if (force_) return ReplaceAnswer::kReplaceAll;
    refusal_ = "The file already exists! There is already a file by the name \"" + fileName +
               "\"; give --force to overwrite it.";
    return ReplaceAnswer::kCancel;
}
