#include "gui/dialogs/CEMUTransmitDialog.h"

#include <variant>

#include "framework/alerts/Alerts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/emu/CEMUSCSIInterface.h"
#include "samplers/emu/CEMUTransfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "slicing/CSliceRenderSet.h"

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
    fRate = RatePopup(kSampleRate, CEMUSCSIInterface::Rates(), sChoices.RateFor(slices.TargetRate()));
    fStartNumber = NumberField(kStartNumber, 0, static_cast<int>(EMUTransmitChoices::kMaxDigits));
    fStartNumber->SetText(sChoices.startNumber);
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    fTransmit = new CPushButtonView(&Root(), ItemRecord(kTransmit));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    fHelp = new CPushButtonView(&Root(), ItemRecord(kHelp));
    SetDefaultButton(fTransmit);
    SetCancelButton(fCancel);
    SetFocusView(fName);
}

CPushButtonView& CEMUTransmitDialog::Button(ItemId id) const
{
    return id == kCancel ? *fCancel : id == kHelp ? *fHelp : *fTransmit;
}

void CEMUTransmitDialog::CheckControls()
{
    if (!TakePresses(*fTransmit, *fCancel, fHelp, kCancel))
        return;
    sChoices.sampleName = fName->Text();
    sChoices.rate = CEMUSCSIInterface::Rates().at(static_cast<std::size_t>(fRate->Value()));
    sChoices.startNumber = fStartNumber->Text();
    const std::variant<ResourceId, TransmitRequest> checked = sChoices.Check();
    const TransmitRequest* request = RequestOrAlert(checked);
    if (!request)
        return;
    CSliceRenderSet slices(fSlices);
    slices.SetTargetRate(request->sampleRate);
    if (Transmit(fTransfer, slices, *request) == TransferOutcome::kDone)
        EndModal(kTransmit);
}
