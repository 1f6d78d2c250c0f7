#include "gui/dialogs/CEMUTransmitDialog.h"

#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
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
    fName = TextField(kSampleName, static_cast<int>(CEMUTransfer::kNameLength), sChoices.sampleName);
    fRate = RatePopup(kSampleRate, CEMUSCSIInterface::Rates(), sChoices.RateFor(slices.TargetRate()));
    fStartNumber = NumberField(kStartNumber, 0, static_cast<int>(EMUTransmitChoices::kMaxDigits));
    fStartNumber->SetText(sChoices.startNumber);
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    AddButtons(kTransmit, kCancel, kHelp);
    SetFocusView(fName);
}

void CEMUTransmitDialog::CheckControls()
{
    if (!TakeActionPress())
        return;
    sChoices.sampleName = fName->Text();
    sChoices.rate = CEMUSCSIInterface::Rates().at(static_cast<std::size_t>(fRate->Value()));
    sChoices.startNumber = fStartNumber->Text();
    if (TransmitChecked(fTransfer, fSlices, sChoices.Check()) == TransferOutcome::kDone)
        EndModal(kTransmit);
}
