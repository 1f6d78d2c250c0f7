#pragma once
// Transmit to a sampler by the MIDI Sample Dump Standard (template 1270):
// the SysEx ID (SDS channel) to send on, the sampler's own at first, and
// the first sample number, kept from one opening to the next. Transmit
// sends each slice as one sample numbered from there and closes on success;
// on failure the dialog stays open.
#include <cstdint>

#include "gui/dialogs/CSamplerTransmitDialog.h"

class CPushButtonView;

class CSDSTransmitDialog : public CSamplerTransmitDialog {
public:
    static constexpr std::uint16_t kTemplate = 1270;
    enum ItemId : std::uint16_t { kTransmit = 1, kCancel = 2, kSysexId = 3, kFirstNumber = 4 };

    CSDSTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices, CABCSamplerTransfer& transfer,
                       CABCPlaybackPause* pause);

    void CheckControls() override;
    CSingleLineTextEditView& Field(ItemId id) const { return id == kSysexId ? *fSysexId : *fFirstNumber; }
    CPushButtonView& Button(ItemId id) const { return id == kCancel ? *fCancel : *fTransmit; }

private:
    const CSliceRenderSet& fSlices;
    CABCSamplerTransfer& fTransfer;
    CSingleLineTextEditView* fSysexId = nullptr;
    CSingleLineTextEditView* fFirstNumber = nullptr;
    CPushButtonView* fTransmit = nullptr;
    CPushButtonView* fCancel = nullptr;
    static std::uint32_t sFirstNumber;
};
