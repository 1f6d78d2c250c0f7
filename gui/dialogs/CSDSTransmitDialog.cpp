#include "gui/dialogs/CSDSTransmitDialog.h"

#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/sds/SDSMessages.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

std::uint32_t CSDSTransmitDialog::sFirstNumber = 0;

CSDSTransmitDialog::CSDSTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                       CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause), fSlices(slices), fTransfer(transfer)
{
    AddStaticTexts();
    fSysexId = NumberField(kSysexId, sampler.SysexID(), 3);
    fFirstNumber = NumberField(kFirstNumber, sFirstNumber, 5);
    fTransmit = new CPushButtonView(&Root(), ItemRecord(kTransmit));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    SetDefaultButton(fTransmit);
    SetCancelButton(fCancel);
    SetFocusView(fFirstNumber);
}

void CSDSTransmitDialog::CheckControls()
{
    const auto sysexId = NumberIn(*fSysexId, 0, SDS::kLastSysexId);
    const auto first = NumberIn(*fFirstNumber, fTransfer.FirstSampleNumber(), fTransfer.LastSampleNumber());
    fTransmit->SetEnabled(sysexId && first);
    if (fCancel->TakePress())
        EndModal(kCancel);
    if (!fTransmit->TakePress() || !sysexId || !first)
        return;
    sFirstNumber = *first;
    TransmitRequest request;
    request.sysexId = static_cast<std::uint8_t>(*sysexId);
    request.firstSampleNumber = *first;
    if (Transmit(fTransfer, fSlices, request) == TransferOutcome::kDone)
        EndModal(kTransmit);
}
