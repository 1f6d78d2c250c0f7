#include "gui/dialogs/CSamplerTransmitDialog.h"

#include "framework/alerts/Alerts.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
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

void CSamplerTransmitDialog::AddTransmitButtons(std::uint16_t transmit, std::uint16_t cancel, std::uint16_t help)
{
    fTransmitItem = transmit;
    fCancelItem = cancel;
    fHelpItem = help;
    fTransmit = new CPushButtonView(&Root(), ItemRecord(transmit));
    fCancel = new CPushButtonView(&Root(), ItemRecord(cancel));
    fHelp = new CPushButtonView(&Root(), ItemRecord(help));
    SetDefaultButton(fTransmit);
    SetCancelButton(fCancel);
}

CPushButtonView& CSamplerTransmitDialog::TransmitButton(std::uint16_t item) const
{
    return item == fCancelItem ? *fCancel : item == fHelpItem ? *fHelp : *fTransmit;
}

bool CSamplerTransmitDialog::TakeTransmitPress()
{
    return TakePresses(*fTransmit, *fCancel, fHelp, fCancelItem);
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
