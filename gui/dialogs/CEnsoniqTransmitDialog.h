#pragma once
// Transmit to Ensoniq (template 1240): the instrument name (12 characters
// of A-Z, 0-9, blank and "+-*.#", lower-case letters taken as upper-case),
// the rate the slices are sent at (22.05 or 44.1 kHz) and the destination
// instrument 1 to 8, kept from one opening to the next, with the sampler's
// panel. Transmit refuses an empty name (alert 80), else builds the
// instrument over the slices and closes on success; on failure the dialog
// stays open.
#include <cstdint>

#include "gui/dialogs/CSamplerTransmitDialog.h"
#include "samplers/ensoniq/EnsoniqTransmitChoices.h"

class CPopupButtonView;
class CPushButtonView;

class CEnsoniqTransmitDialog : public CSamplerTransmitDialog {
public:
    static constexpr std::uint16_t kTemplate = 1240;
    enum ItemId : std::uint16_t {
        kTransmit = 1,
        kCancel = 2,
        kInstrumentName = 3,
        kSampleRate = 5,
        kDestination = 7,
        kPanel = 10,
        kHelp = 11,
    };

    CEnsoniqTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                           CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Name() const { return *fName; }
    CPopupButtonView& Popup(ItemId id) const { return id == kDestination ? *fDestination : *fRate; }
    CPushButtonView& Button(ItemId id) const { return ButtonOn(id); }
    // What the next opening shows.
    static EnsoniqTransmitChoices& Kept() { return sChoices; }

private:
    const CSliceRenderSet& fSlices;
    CABCSamplerTransfer& fTransfer;
    CSingleLineTextEditView* fName = nullptr;
    CPopupButtonView* fRate = nullptr;
    CPopupButtonView* fDestination = nullptr;
    static EnsoniqTransmitChoices sChoices;
};
