#include "gui/dialogs/CEnsoniqReceiveDialog.h"

#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CInstalledSampler.h"

namespace {

std::vector<std::string> Texts(const std::vector<CEnsoniqTransfer::Entry>& entries)
{
    std::vector<std::string> texts;
    for (const CEnsoniqTransfer::Entry& entry : entries)
        texts.push_back(entry.text);
    return texts;
}

}  // namespace

CEnsoniqReceiveDialog::CEnsoniqReceiveDialog(CInstalledSampler& sampler, CEnsoniqTransfer& transfer,
                                             CABCPlaybackPause* pause)
    : CSamplerDialog(kTemplate, sampler, pause), fTransfer(transfer)
{
    SetTitleWithSampler(Res::kStringReceiveFrom);
    AddStaticTexts();
    fLayer = new CPopupButtonView(&Root(), ItemRecord(kLayer).frame);
    fWave = new CPopupButtonView(&Root(), ItemRecord(kWave).frame);
    AddButtons(kReceive, kCancel, kHelp);
    RunTransfer(Res::kStringReceivingSampleNames,
                [&](CLengthyOperation& progress) { fLayers = fTransfer.ListLayers(sampler.SysexID(), progress); });
    fLayer->SetItems(Texts(fLayers));
    ShowWaves();
}

void CEnsoniqReceiveDialog::ShowWaves()
{
    fWaves.clear();
    fShownLayer = fLayers.empty() ? -1 : fLayer->Value();
    if (fShownLayer >= 0) {
        const CEnsoniqTransfer::Entry& layer = fLayers.at(static_cast<std::size_t>(fShownLayer));
        RunTransfer(Res::kStringReceivingSampleNames, [&](CLengthyOperation&) {
            fWaves = fTransfer.ListWaves(Sampler().SysexID(), layer.instrument, layer.layer);
        });
    }
    fWave->SetItems(Texts(fWaves));
    fWave->SetValue(0);
}

void CEnsoniqReceiveDialog::CheckControls()
{
    if (!fLayers.empty() && fLayer->Value() != fShownLayer)
        ShowWaves();
    ButtonOn(kReceive).SetEnabled(!fWaves.empty());
    if (!TakeActionPress() || fWaves.empty())
        return;
    const CEnsoniqTransfer::Entry& wave = fWaves.at(static_cast<std::size_t>(fWave->Value()));
    fReceived = ReceiveSample(fTransfer, {Sampler().SysexID(), wave.reference});
    if (fReceived)
        EndModal(kReceive);
}
