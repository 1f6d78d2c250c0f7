#include "cli/CliExportFeedback.h"

bool CliExportFeedback::AcceptFirstSlices(ExportKind kind, int limit) {
    if (force_) return true;
    refusal_ = "Too many slices! Only the first " + std::to_string(limit) + " slices fit in the " +
               (kind == ExportKind::kMIDI ? "MIDI" : "SLX") + " file; give --force to write them.";
    return false;
}

CliExportFeedback::ReplaceAnswer CliExportFeedback::AskReplace(const std::string& fileName) {
    if (force_) return ReplaceAnswer::kReplaceAll;
    refusal_ = "The file already exists! There is already a file by the name \"" + fileName +
               "\"; give --force to overwrite it.";
    return ReplaceAnswer::kCancel;
}
