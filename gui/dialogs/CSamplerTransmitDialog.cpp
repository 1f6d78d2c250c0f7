#include "gui/dialogs/CSamplerTransmitDialog.h"

#include "framework/alerts/Alerts.h"
#include "samplers/transfer/CABCSamplerTransfer.h"
#include "slicing/CSliceRenderSet.h"

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

TransferOutcome CSamplerTransmitDialog::TransmitChecked(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                                                        const std::variant<ResourceId, TransmitRequest>& checked)
{
    if (const ResourceId* alert = std::get_if<ResourceId>(&checked)) {
        ShowAlert(*alert);
        return TransferOutcome::kStopped;
    }
    const TransmitRequest& request = std::get<TransmitRequest>(checked);
    CSliceRenderSet atRate(slices);
    atRate.SetTargetRate(request.sampleRate);
    return Transmit(transfer, atRate, request);
}
