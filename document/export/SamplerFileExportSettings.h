#pragma once
// What the export dialogs of the file pseudo-samplers keep until the program
// quits (never stored in the preferences): the names they offer and the
// SampleCell template choice.
#include <optional>
#include <string>

#include "document/export/CExportNameMemory.h"

struct SamplerFileExportSettings {
    CExportNameMemory bankName;        // SoundFont
    CExportNameMemory trackName;       // Mixman
    CExportNameMemory instrumentName;  // SampleCell
    bool useTemplate = false;
    std::optional<std::string> templateFile;
};
