#include "gui/dialogs/CEMUReceiveDialog.h"

#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "resources/QuilletCommands.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

std::uint32_t CEMUReceiveDialog::sNumber = 1;

CEMUReceiveDialog::CEMUReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                     CABCPlaybackPause* pause)
    : CSamplerDialog(kTemplate, sampler, pause), fTransfer(transfer)
{
    SetTitleWithSampler(Res::kStringReceiveFrom);
    AddStaticTexts();
    fNumber = NumberField(kNumber, sNumber, 3);
    fReceive = new CPushButtonView(&Root(), ItemRecord(kReceive));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    fHelp = new CPushButtonView(&Root(), ItemRecord(kHelp));
    SetDefaultButton(fReceive);
    SetCancelButton(fCancel);
    SetFocusView(fNumber);
}

CPushButtonView& CEMUReceiveDialog::Button(ItemId id) const
{
    return id == kCancel ? *fCancel : id == kHelp ? *fHelp : *fReceive;
}

void CEMUReceiveDialog::CheckControls()
{
    const auto number = NumberIn(*fNumber, fTransfer.FirstSampleNumber(), fTransfer.LastSampleNumber());
    fReceive->SetEnabled(number.has_value());
    if (fHelp->TakePress() && CApplication::Current())
        CApplication::Current()->DoCommand(Cmd::kContents);
    if (fCancel->TakePress())
        EndModal(kCancel);
    if (!fReceive->TakePress() || !number)
        return;
    sNumber = *number;
    fReceived = ReceiveSample(fTransfer, {0, *number});
    if (fReceived)
        EndModal(kReceive);
}
