#pragma once
// The frame of every family's transmit dialog: the title "Transmit to" and
// the sampler's name, and the transmission of a window's slices through the
// family's transfers. A stop by the user (Stop, or Cancel at the slice
// limit) ends it without an alert and leaves the dialog open.
#include <variant>

#include "framework/exceptions/CancelExceptions.h"
#include "gui/dialogs/CSamplerDialog.h"

class CABCSamplerTransfer;
class CPushButtonView;
class CSliceRenderSet;
struct TransmitRequest;

class CSamplerTransmitDialog : public CSamplerDialog {
public:
    using XSampleTransmitCancelled = ::XSampleTransmitCancelled;

    // With `setTitle` the title is "Transmit to <sampler name>".
    CSamplerTransmitDialog(std::uint16_t templateNumber, CInstalledSampler& sampler, bool setTitle,
                           CABCPlaybackPause* pause);

    // The button AddTransmitButtons put on the item (Transmit for any other).
    CPushButtonView& TransmitButton(std::uint16_t item) const;

protected:
    TransferOutcome Transmit(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                             const TransmitRequest& request);

    // For the dialogs with Transmit, Cancel and Help buttons on these items
    // of their template: makes them, Transmit the default button and Cancel
    // the cancel button.
    void AddTransmitButtons(std::uint16_t transmit, std::uint16_t cancel, std::uint16_t help);
    // Acts on Help (the help contents) and Cancel (the dialog ends); true
    // when Transmit was pressed.
    bool TakeTransmitPress();
    // The alert of choices that were refused, or the transmission of the
    // slices at the request's rate; the outcome, kStopped after an alert.
    TransferOutcome TransmitChecked(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                                    const std::variant<ResourceId, TransmitRequest>& checked);

private:
    std::uint16_t fTransmitItem = 0;
    std::uint16_t fCancelItem = 0;
    std::uint16_t fHelpItem = 0;
    CPushButtonView* fTransmit = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fHelp = nullptr;
};
