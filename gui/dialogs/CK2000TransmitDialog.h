#pragma once
// Transmit to K2000 / K2500 (template 1200): the program name (blank and
// "!" to "z", 16 characters), the destination program ID with the program
// found there ("(Replace "name")" or "(Empty Program)"), and the template
// program's ID with its name ("("name")" or "(No Program)") and the
// Use Template switch, kept from one opening to the next, with the
// sampler's panel (an instrument that does not answer once is not asked for
// names again). Transmit refuses an empty name (alert 26) and a missing
// destination ID (alert 24), else builds the program and closes on
// success; on failure the dialog stays open.
#include <cstdint>
#include <string>

#include "gui/dialogs/CSamplerTransmitDialog.h"
#include "samplers/kurzweil/K2000TransmitChoices.h"

class CCheckBoxView;
class CK2000Transfer;
class CStaticTextView;

class CK2000TransmitDialog : public CSamplerTransmitDialog {
public:
    static constexpr std::uint16_t kTemplate = 1200;
    enum ItemId : std::uint16_t {
        kTransmit = 1,
        kCancel = 2,
        kProgramName = 3,
        kProgramId = 5,
        kProgramFound = 7,
        kUseTemplate = 8,
        kTemplateId = 9,
        kTemplateFound = 10,
        kPanel = 11,
        kHelp = 12,
    };

    CK2000TransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CK2000Transfer& transfer,
                         CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Field(ItemId id) const;
    CCheckBoxView& UseTemplate() const { return *fUseTemplate; }
    // What stands beside an ID field (kProgramFound, kTemplateFound).
    const std::string& Found(ItemId id) const;
    // What the next opening shows.
    static K2000TransmitChoices& Kept() { return sChoices; }

private:
    // Names the program at the field's ID beside it (`found` with "%s" for
    // its name, or the string `none`), when the ID changed.
    void ShowFound(const CSingleLineTextEditView& field, std::string& shownId, CStaticTextView& label,
                   const std::string& found, ResourceId none);

    const CSliceRenderSet& fSlices;
    CK2000Transfer& fTransfer;
    CSingleLineTextEditView* fName = nullptr;
    CSingleLineTextEditView* fProgramId = nullptr;
    CSingleLineTextEditView* fTemplateId = nullptr;
    CStaticTextView* fProgramFound = nullptr;
    CStaticTextView* fTemplateFound = nullptr;
    CCheckBoxView* fUseTemplate = nullptr;
    std::string fShownProgramId;
    std::string fShownTemplateId;
    bool fSilent = false;  // the instrument did not answer: no more names
    static K2000TransmitChoices sChoices;
};
