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

    // The buttons AddPanelAndButtons made.
    CPushButtonView& TransmitButton() const { return *fTransmitButton; }
    CPushButtonView& CancelButton() const { return *fCancelButton; }
    CPushButtonView& HelpButton() const { return *fHelpButton; }

protected:
    // The sampler's panel on the item `panel`, and the Transmit (default),
    // Cancel and Help buttons on theirs.
    void AddPanelAndButtons(std::uint16_t panel, std::uint16_t transmit, std::uint16_t cancel, std::uint16_t help);
    // Opens the help for Help and ends the dialog with `cancel` for Cancel;
    // answers whether Transmit was pressed.
    bool TakeTransmitPress(std::int32_t cancel);
    // The request `checked` holds; or nothing, after its alert was shown.
    static const TransmitRequest* RequestOrAlert(const std::variant<ResourceId, TransmitRequest>& checked);
    TransferOutcome Transmit(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                             const TransmitRequest& request);

private:
    CPushButtonView* fTransmitButton = nullptr;
    CPushButtonView* fCancelButton = nullptr;
    CPushButtonView* fHelpButton = nullptr;
};
