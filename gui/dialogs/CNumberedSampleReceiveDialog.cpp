#include "gui/dialogs/CNumberedSampleReceiveDialog.h"

#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

CNumberedSampleReceiveDialog::CNumberedSampleReceiveDialog(std::uint16_t templateNumber, CInstalledSampler& sampler,
                                                           CABCSamplerTransfer& transfer, CABCPlaybackPause* pause,
                                                           std::uint32_t& kept, int digits)
    : CSamplerDialog(templateNumber, sampler, pause), fTransfer(transfer), fKept(kept)
{
    SetTitleWithSampler(Res::kStringReceiveFrom);
    AddStaticTexts();
    fNumber = NumberField(kNumber, fKept, digits);
    AddButtons(kReceive, kCancel, kHelp);
    SetFocusView(fNumber);
}

void CNumberedSampleReceiveDialog::CheckControls()
{
    const auto number = NumberIn(*fNumber, fTransfer.FirstSampleNumber(), fTransfer.LastSampleNumber());
    ButtonOn(kReceive).SetEnabled(number.has_value());
    if (!TakeActionPress() || !number)
        return;
    fKept = *number;
    fReceived = ReceiveSample(fTransfer, {0, *number});
    if (fReceived)
        EndModal(kReceive);
}
