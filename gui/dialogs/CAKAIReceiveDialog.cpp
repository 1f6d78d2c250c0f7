#include "gui/dialogs/CAKAIReceiveDialog.h"

#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

CAKAIReceiveDialog::CAKAIReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                       CABCPlaybackPause* pause)
    : CSamplerDialog(kTemplate, sampler, pause), fTransfer(transfer)
{
    SetTitleWithSampler(Res::kStringReceiveFrom);
    AddStaticTexts();
    fSamples = new CPopupButtonView(&Root(), ItemRecord(kSample).frame);
    AskWithWaitCursor([this] { fNames = fTransfer.SampleNames(); });
    fSamples->SetItems(fNames);
    fSamples->SetValue(0);
    AddButtons(kReceive, kCancel, kHelp);
}

void CAKAIReceiveDialog::CheckControls()
{
    ButtonOn(kReceive).SetEnabled(!fNames.empty());
    if (!TakeActionPress() || fNames.empty())
        return;
    const auto number = static_cast<std::uint32_t>(fSamples->Value()) + fTransfer.FirstSampleNumber();
    fReceived = ReceiveSample(fTransfer, {0, number});
    if (fReceived)
        EndModal(kReceive);
}
