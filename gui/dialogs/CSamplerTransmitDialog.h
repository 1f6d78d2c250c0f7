#pragma once
// The frame of every family's transmit dialog: the title "Transmit to" and
// the sampler's name, and the transmission of a window's slices through the
// family's transfers. A stop by the user (Stop, or Cancel at the slice
// limit) ends it without an alert and leaves the dialog open.
#include <variant>

#include "framework/exceptions/CancelExceptions.h"
#include "gui/dialogs/CSamplerDialog.h"

class CABCSamplerTransfer;
class CSliceRenderSet;
struct TransmitRequest;

class CSamplerTransmitDialog : public CSamplerDialog {
public:
    using XSampleTransmitCancelled = ::XSampleTransmitCancelled;

    // With `setTitle` the title is "Transmit to <sampler name>".
    CSamplerTransmitDialog(std::uint16_t templateNumber, CInstalledSampler& sampler, bool setTitle,
                           CABCPlaybackPause* pause);

protected:
    TransferOutcome Transmit(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                             const TransmitRequest& request);

    // The alert of choices that were refused, or the transmission of the
    // slices at the request's rate; the outcome, kStopped after an alert.
    TransferOutcome TransmitChecked(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                                    const std::variant<ResourceId, TransmitRequest>& checked);
};
