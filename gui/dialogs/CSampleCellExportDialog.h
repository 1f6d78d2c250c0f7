#pragma once
// Export SampleCell Instrument (template 1210): "Use Template:" with the
// template file's name ("n/a" without one) and "Browse...", enabled while
// the template is in use; "Export...", "MIDI File + Export..." and
// "Cancel". Turning the template on without a file browses first; it turns
// on only when a file was chosen.
#include "gui/dialogs/CSamplerFileExportDialog.h"

class CCheckBoxView;
class CStaticTextView;

class CSampleCellExportDialog : public CSamplerFileExportDialog {
public:
    static constexpr std::uint16_t kTemplate = 1210;
    enum ItemId : std::uint16_t { kUseTemplate = 3, kTemplateName = 4, kBrowse = 5, kMIDIAndExport = 6 };

    explicit CSampleCellExportDialog(SamplerFileExportJob& job);

    CCheckBoxView& UseTemplateBox() const { return *fUseTemplate; }
    CStaticTextView& TemplateName() const { return *fTemplateName; }
    CPushButtonView& BrowseButton() const { return *fBrowse; }

private:
    void CheckFields() override;
    std::optional<int> Export() override;
    void Browse();
    void ShowSettings();

    CCheckBoxView* fUseTemplate = nullptr;
    CStaticTextView* fTemplateName = nullptr;
    CPushButtonView* fBrowse = nullptr;
};
