#pragma once
// Transmit to Roland S760 (template 1230): the patch name (the document's
// at first), the rate the slices are sent at (an S-760 rate, the
// document's or the next above it at first) and the template ("[Default]"
// or a patch of the sampler, whose list is read when the dialog opens),
// kept from one opening to the next, with the sampler's panel. Transmit
// refuses an empty name (alert 35), else builds the patch and closes on
// success; on failure the dialog stays open and reads the templates again.
#include <cstdint>
#include <string>
#include <vector>

#include "gui/dialogs/CSamplerTransmitDialog.h"
#include "samplers/roland/S760TransmitChoices.h"

class CPopupButtonView;
class CS760Transfer;

class CS760TransmitDialog : public CSamplerTransmitDialog {
public:
    static constexpr std::uint16_t kTemplate = 1230;
    enum ItemId : std::uint16_t {
        kTransmit = 1,
        kCancel = 2,
        kPatchName = 3,
        kSampleRate = 5,
        kTemplatePatch = 7,
        kPanel = 10,
        kHelp = 11,
    };

    CS760TransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CS760Transfer& transfer,
                        CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Name() const { return *fName; }
    CPopupButtonView& Popup(ItemId id) const { return id == kSampleRate ? *fRate : *fTemplates; }
    // What the next opening shows.
    static S760TransmitChoices& Kept() { return sChoices; }

private:
    // The names of the patches in the sampler, and the pop-up of them.
    void ReadTemplates();
    void ShowTemplates();

    const CSliceRenderSet& fSlices;
    CS760Transfer& fTransfer;
    std::vector<std::string> fTemplateNames;
    CSingleLineTextEditView* fName = nullptr;
    CPopupButtonView* fRate = nullptr;
    CPopupButtonView* fTemplates = nullptr;
    static S760TransmitChoices sChoices;
};
