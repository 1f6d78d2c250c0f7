#include "gui/dialogs/CSamplerTransmitDialog.h"

#include "framework/alerts/Alerts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

CSamplerTransmitDialog::CSamplerTransmitDialog(std::uint16_t templateNumber, CInstalledSampler& sampler,
                                               bool setTitle, CABCPlaybackPause* pause)
    : CSamplerDialog(templateNumber, sampler, pause)
{
    if (setTitle)
        SetTitleWithSampler(Res::kStringTransmitTo);
}

const TransmitRequest* CSamplerTransmitDialog::RequestOrAlert(const std::variant<ResourceId, TransmitRequest>& checked)
{
    if (const ResourceId* alert = std::get_if<ResourceId>(&checked)) {
        ShowAlert(*alert);
        return nullptr;
    }
    return &std::get<TransmitRequest>(checked);
}

TransferOutcome CSamplerTransmitDialog::Transmit(CABCSamplerTransfer& transfer, const CSliceRenderSet& slices,
                                                 const TransmitRequest& request)
{
    return RunTransfer(Res::kStringSlicesLeft,
                       [&](CLengthyOperation& progress) { transfer.Transmit(slices, request, progress); });
}

void CSamplerTransmitDialog::AddPanelAndButtons(std::uint16_t panel, std::uint16_t transmit, std::uint16_t cancel,
                                                std::uint16_t help)
{
    new CSamplerPictureView(&Root(), ItemRecord(panel).frame, Sampler().Type().Constants().picture);
    fTransmitButton = new CPushButtonView(&Root(), ItemRecord(transmit));
    fCancelButton = new CPushButtonView(&Root(), ItemRecord(cancel));
    fHelpButton = new CPushButtonView(&Root(), ItemRecord(help));
    SetDefaultButton(fTransmitButton);
    SetCancelButton(fCancelButton);
}

bool CSamplerTransmitDialog::TakeTransmitPress(std::int32_t cancel)
{
    return TakePresses(*fTransmitButton, *fCancelButton, fHelpButton, cancel);
}
