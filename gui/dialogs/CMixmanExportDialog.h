#pragma once
// Export Mixman TRK File (template 1212): the track's "Name:", kept for the
// run and proposed anew for another document; "Export..." and "Cancel".
#include "gui/dialogs/CSamplerFileExportDialog.h"

class CMixmanExportDialog : public CSamplerFileExportDialog {
public:
    static constexpr std::uint16_t kTemplate = 1212;
    enum ItemId : std::uint16_t { kName = 3 };

    explicit CMixmanExportDialog(SamplerFileExportJob& job);

private:
    std::optional<int> Export() override;
};
