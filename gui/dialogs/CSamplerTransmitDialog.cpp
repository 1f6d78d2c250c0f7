#include "gui/dialogs/CSamplerTransmitDialog.h"

#include "samplers/transfer/CABCSamplerTransfer.h"

CSamplerTransmitDialog::CSamplerTransmitDialog(std::uint16_t templateNumber, CInstalledSampler& sampler,
                                               bool setTitle, CABCPlaybackPause* pause)
    : CSamplerDialog(templateNumber, sampler, pause)
{
    if (setTitle)
        SetTitleWithSampler(Res::kStringTransmitTo);
}

TransferOutcome CSamplerTransmitDialog::Transmit(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                                                 const TransmitRequest& request)
{
    return RunTransfer(Res::kStringSlicesLeft,
                       [&](CLengthyOperation& progress) { transfer.Transmit(slices, request, progress); });
}
