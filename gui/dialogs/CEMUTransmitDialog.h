#pragma once
// Transmit to E-mu (template 1250): the sample name ("New Sample" at
// first), the rate the slices are sent at (an E-mu rate, the document's or
// the next above it at first) and the start sample number, kept from one
// opening to the next, with the sampler's panel. Transmit refuses an empty
// name (alert 70) and a number outside 1 to 999 (alert 71), else sends each
// slice as one sample numbered from there and closes on success; on failure
// the dialog stays open.
#include <cstdint>

#include "gui/dialogs/CSamplerTransmitDialog.h"
#include "samplers/emu/EMUTransmitChoices.h"

class CPopupButtonView;
class CPushButtonView;

class CEMUTransmitDialog : public CSamplerTransmitDialog {
public:
    static constexpr std::uint16_t kTemplate = 1250;
    enum ItemId : std::uint16_t {
        kTransmit = 1,
        kCancel = 2,
        kSampleName = 3,
        kSampleRate = 5,
        kStartNumber = 7,
        kPanel = 10,
        kHelp = 11,
    };

    CEMUTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                       CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Field(ItemId id) const { return id == kSampleName ? *fName : *fStartNumber; }
    CPopupButtonView& Rate() const { return *fRate; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // What the next opening shows.
    static EMUTransmitChoices& Kept() { return sChoices; }

private:
    const CSliceRenderSet& fSlices;
    CABCSamplerTransfer& fTransfer;
    CSingleLineTextEditView* fName = nullptr;
    CPopupButtonView* fRate = nullptr;
    CSingleLineTextEditView* fStartNumber = nullptr;
    static EMUTransmitChoices sChoices;
};
