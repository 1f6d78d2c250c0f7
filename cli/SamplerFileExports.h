#pragma once
// The batch tool's sampler-file exports of one loop: the SoundFont bank, the
// Mixman track and the SampleCell instrument with its slice files, each
// written as the window's export dialog writes it, the questions answered
// by the feedback (--force).
#include <optional>
#include <string>

class CliExportFeedback;
class CLoopDocument;

// False with the feedback's refusal when the user's answers stop the export.
bool WriteSoundFontBank(CLoopDocument& document, const std::string& file, const std::string& bankName,
                        CliExportFeedback& feedback);
// Refused unless the loop is in 4/4 time.
bool WriteMixmanTrack(CLoopDocument& document, const std::string& file, const std::string& trackName,
                      CliExportFeedback& feedback);
// folder/NAME.ins and folder/NAME001.wav on; the folder is made when missing.
bool WriteSampleCellInstrument(CLoopDocument& document, const std::string& folder, const std::string& name,
                               const std::optional<std::string>& templateFile, CliExportFeedback& feedback);
// The SampleCell slice files the instrument folder/NAME.ins refers to.
std::string SampleCellSliceFile(const std::string& folder, const std::string& name, int index);
