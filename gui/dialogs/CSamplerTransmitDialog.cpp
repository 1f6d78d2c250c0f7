#include "gui/dialogs/CSamplerTransmitDialog.h"

#include <algorithm>

#include "framework/alerts/Alerts.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/transfer/CABCSamplerTransfer.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/SampleFormatting.h"

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

CPopupButtonView* CSamplerTransmitDialog::RatePopup(std::uint16_t item, const std::vector<std::uint32_t>& rates,
                                                    std::uint32_t chosen)
{
    auto* popup = new CPopupButtonView(&Root(), ItemRecord(item).frame);
    std::vector<std::string> labels;
    for (const std::uint32_t rate : rates)
        labels.push_back(FormatSampleRate(rate));
    popup->SetItems(labels);
    popup->SetValue(static_cast<std::int32_t>(std::find(rates.begin(), rates.end(), chosen) - rates.begin()));
    return popup;
}
