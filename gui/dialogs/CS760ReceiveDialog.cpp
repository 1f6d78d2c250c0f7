#include "gui/dialogs/CS760ReceiveDialog.h"

#include <cstdio>

#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/roland/CS760Transfer.h"

std::uint16_t CS760ReceiveDialog::sNumber = 0;

CS760ReceiveDialog::CS760ReceiveDialog(CInstalledSampler& sampler, CS760Transfer& transfer,
                                       CABCPlaybackPause* pause)
    : CSamplerDialog(kTemplate, sampler, pause), fTransfer(transfer)
{
    SetTitleWithSampler(Res::kStringReceiveFrom);
    AddStaticTexts();
    fSamples = new CPopupButtonView(&Root(), ItemRecord(kSample).frame);
    AddButtons(kReceive, kCancel, kHelp);

    RunTransfer(Res::kStringReceivingSampleNames, [this](CLengthyOperation&) { fHeld = fTransfer.Samples(); });
    std::vector<std::string> labels;
    int chosen = 0;
    for (const CS760FileList::Entry& entry : fHeld) {
        char number[8];
        std::snprintf(number, sizeof number, "%3d: ", entry.number);
        if (entry.number == sNumber)
            chosen = static_cast<int>(labels.size());
        labels.push_back(number + entry.name);
    }
    fSamples->SetItems(labels);
    fSamples->SetValue(chosen);
}

void CS760ReceiveDialog::CheckControls()
{
    ButtonOn(kReceive).SetEnabled(!fHeld.empty());
    if (!TakeActionPress() || fHeld.empty())
        return;
    sNumber = fHeld.at(static_cast<std::size_t>(fSamples->Value())).number;
    fReceived = ReceiveSample(fTransfer, {0, sNumber});
    if (fReceived)
        EndModal(kReceive);
}
