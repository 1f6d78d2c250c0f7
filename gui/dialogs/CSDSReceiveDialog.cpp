#include "gui/dialogs/CSDSReceiveDialog.h"

#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/sds/SDSMessages.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

std::uint32_t CSDSReceiveDialog::sNumber = 0;

CSDSReceiveDialog::CSDSReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                     CABCPlaybackPause* pause)
    : CSamplerDialog(kTemplate, sampler, pause), fTransfer(transfer)
{
    SetTitleWithSampler(Res::kStringReceiveFrom);
    AddStaticTexts();
    fSysexId = NumberField(kSysexId, sampler.SysexID(), 3);
    fNumber = NumberField(kNumber, sNumber, 5);
    fReceive = new CPushButtonView(&Root(), ItemRecord(kReceive));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    SetDefaultButton(fReceive);
    SetCancelButton(fCancel);
    SetFocusView(fNumber);
}

void CSDSReceiveDialog::CheckControls()
{
    const auto sysexId = NumberIn(*fSysexId, 0, SDS::kLastSysexId);
    const auto number = NumberIn(*fNumber, fTransfer.FirstSampleNumber(), fTransfer.LastSampleNumber());
    fReceive->SetEnabled(sysexId && number);
    if (fCancel->TakePress())
        EndModal(kCancel);
    if (!fReceive->TakePress() || !sysexId || !number)
        return;
    sNumber = *number;
    fReceived = ReceiveSample(fTransfer, {static_cast<std::uint8_t>(*sysexId), *number});
    if (fReceived)
        EndModal(kReceive);
}
