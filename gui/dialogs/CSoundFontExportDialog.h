#pragma once
// Export SoundFont File (template 1211): the bank's "Name:", kept for the
// run and proposed anew for another document; "Export...", "MIDI File +
// Export..." and "Cancel".
#include "gui/dialogs/CSamplerFileExportDialog.h"

class CSoundFontExportDialog : public CSamplerFileExportDialog {
public:
    static constexpr std::uint16_t kTemplate = 1211;
    enum ItemId : std::uint16_t { kName = 3, kMIDIAndExport = 5 };

    explicit CSoundFontExportDialog(SamplerFileExportJob& job);

private:
    std::optional<int> Export() override;
};
