#include "gui/dialogs/CEMUTransmitDialog.h"

#include <algorithm>
#include <variant>

#include "framework/alerts/Alerts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/emu/CEMUSCSIInterface.h"
#include "samplers/emu/CEMUTransfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/SampleFormatting.h"

EMUTransmitChoices CEMUTransmitDialog::sChoices;

CEMUTransmitDialog::CEMUTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                       CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause), fSlices(slices), fTransfer(transfer)
{
    AddStaticTexts();
    const PixelRect& name = ItemRecord(kSampleName).frame;
    fName = new CSingleLineTextEditView(&Root(), name.left, name.top, name.Width(),
                                        static_cast<int>(CEMUTransfer::kNameLength));
    fName->SetText(sChoices.sampleName);
    fRate = new CPopupButtonView(&Root(), ItemRecord(kSampleRate).frame);
    const std::vector<std::uint32_t>& rates = CEMUSCSIInterface::Rates();
    std::vector<std::string> labels;
    for (const std::uint32_t rate : rates)
        labels.push_back(FormatSampleRate(rate));
    fRate->SetItems(labels);
    const std::uint32_t rate = sChoices.RateFor(slices.TargetRate());
    fRate->SetValue(static_cast<std::int32_t>(std::find(rates.begin(), rates.end(), rate) - rates.begin()));
    fStartNumber = NumberField(kStartNumber, 0, static_cast<int>(EMUTransmitChoices::kMaxDigits));
    fStartNumber->SetText(sChoices.startNumber);
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    AddTransmitButtons(kTransmit, kCancel, kHelp);
    SetFocusView(fName);
}

void CEMUTransmitDialog::CheckControls()
{
    if (!TakeTransmitPress())
        return;
    sChoices.sampleName = fName->Text();
    sChoices.rate = CEMUSCSIInterface::Rates().at(static_cast<std::size_t>(fRate->Value()));
    sChoices.startNumber = fStartNumber->Text();
    const std::variant<ResourceId, TransmitRequest> checked = sChoices.Check();
    if (const ResourceId* alert = std::get_if<ResourceId>(&checked)) {
        ShowAlert(*alert);
        return;
    }
    TransmitAtRate(fTransfer, fSlices, std::get<TransmitRequest>(checked));
}
