#pragma once
// Transmit to Yamaha A3000 (template 1260): the sample bank name, the rate
// the slices are sent at and the template ("[Default]", then the sampler's
// sample banks and samples, read when the dialog opens), kept from one
// opening to the next, with the sampler's panel. Transmit refuses an empty
// bank name (alert 60), else sends the slices and the bank and closes on
// success; on failure the dialog stays open and reads the templates again.
#include <cstdint>
#include <string>
#include <vector>

#include "gui/dialogs/CSamplerTransmitDialog.h"
#include "samplers/yamaha/YamahaTransmitChoices.h"

class CA3000Transfer;
class CPopupButtonView;
class CPushButtonView;

class CYamahaTransmitDialog : public CSamplerTransmitDialog {
public:
    static constexpr std::uint16_t kTemplate = 1260;
    enum ItemId : std::uint16_t {
        kTransmit = 1,
        kCancel = 2,
        kBankName = 3,
        kSampleRate = 5,
        kTemplateChoice = 7,
        kPanel = 10,
        kHelp = 11,
    };

    // `transfer` offers templates when it is an A3000's.
    CYamahaTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                          CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& BankName() const { return *fName; }
    CPopupButtonView& Popup(ItemId id) const { return id == kSampleRate ? *fRate : *fTemplate; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // What the next opening shows.
    static YamahaTransmitChoices& Kept() { return sChoices; }

private:
    // "[Default]" and the sampler's banks and samples, the kept one chosen.
    void ListTemplates();

    const CSliceRenderSet& fSlices;
    CABCSamplerTransfer& fTransfer;
    CA3000Transfer* fA3000;
    std::vector<std::string> fTemplates;
    CSingleLineTextEditView* fName = nullptr;
    CPopupButtonView* fRate = nullptr;
    CPopupButtonView* fTemplate = nullptr;
    static YamahaTransmitChoices sChoices;
};
