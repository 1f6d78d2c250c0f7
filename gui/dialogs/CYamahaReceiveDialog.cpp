#include "gui/dialogs/CYamahaReceiveDialog.h"

#include <algorithm>

#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/yamaha/CA3000Transfer.h"

std::string CYamahaReceiveDialog::sName;

CYamahaReceiveDialog::CYamahaReceiveDialog(CInstalledSampler& sampler, CABCSamplerTransfer& transfer,
                                           CABCPlaybackPause* pause)
    : CSamplerDialog(kTemplate, sampler, pause), fTransfer(transfer)
{
    SetTitleWithSampler(Res::kStringReceiveFrom);
    AddStaticTexts();
    fSample = new CPopupButtonView(&Root(), ItemRecord(kSample).frame);
    AddButtons(kReceive, kCancel, kHelp);
    if (auto* a3000 = dynamic_cast<CA3000Transfer*>(&transfer))
        RunTransfer(Res::kStringReceivingSampleNames,
                    [&](CLengthyOperation&) { fNames = a3000->SampleNames(sampler.SysexID()); });
    fSample->SetItems(fNames);
    const auto kept = std::find(fNames.begin(), fNames.end(), sName);
    fSample->SetValue(kept == fNames.end() ? 0 : static_cast<std::int32_t>(kept - fNames.begin()));
    SetFocusView(fSample);
}

void CYamahaReceiveDialog::CheckControls()
{
    ButtonOn(kReceive).SetEnabled(!fNames.empty());
    if (!TakeActionPress() || fNames.empty())
        return;
    const auto index = static_cast<std::size_t>(std::clamp(fSample->Value(), 0, static_cast<int>(fNames.size()) - 1));
    sName = fNames[index];
    fReceived = ReceiveSample(fTransfer, {Sampler().SysexID(), static_cast<std::uint32_t>(index + 1)});
    if (fReceived)
        EndModal(kReceive);
}
