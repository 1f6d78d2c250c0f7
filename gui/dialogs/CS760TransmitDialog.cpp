#include "gui/dialogs/CS760TransmitDialog.h"

#include <algorithm>
#include <variant>

#include "framework/resources/ResourceScripts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/roland/CS760Transfer.h"
#include "samplers/roland/S760Names.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

S760TransmitChoices CS760TransmitDialog::sChoices;

CS760TransmitDialog::CS760TransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                         CS760Transfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause), fSlices(slices), fTransfer(transfer)
{
    AddStaticTexts();
    ReadTemplates();
    sChoices.Open(slices.Count() > 0 ? slices.Render(0)->Name() : "", slices.TargetRate(), fTemplateNames.size());
    fName = TextField(kPatchName, static_cast<int>(S760::kNameLength), sChoices.patchName);
    fRate = RatePopup(kSampleRate, S760TransmitChoices::Rates(), sChoices.rate);
    fTemplates = new CPopupButtonView(&Root(), ItemRecord(kTemplatePatch).frame);
    ShowTemplates();
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    AddButtons(kTransmit, kCancel, kHelp);
    SetFocusView(fName);
}

void CS760TransmitDialog::ReadTemplates()
{
    fTemplateNames.clear();
    RunTransfer(Res::kStringReceivingSampleNames,
                [this](CLengthyOperation& progress) { fTemplateNames = fTransfer.PatchNames(progress); });
}

void CS760TransmitDialog::ShowTemplates()
{
    std::vector<std::string> labels = {GetResourceString(Res::kStringS760Default)};
    labels.insert(labels.end(), fTemplateNames.begin(), fTemplateNames.end());
    fTemplates->SetItems(labels);
    fTemplates->SetValue(std::min(sChoices.templateIndex, static_cast<int>(fTemplateNames.size())));
}

void CS760TransmitDialog::CheckControls()
{
    if (!TakeActionPress())
        return;
    sChoices.patchName = fName->Text();
    sChoices.rate = S760TransmitChoices::Rates().at(static_cast<std::size_t>(fRate->Value()));
    sChoices.templateIndex = fTemplates->Value();
    const std::variant<ResourceId, TransmitRequest> checked = sChoices.Check(fTemplateNames);
    const TransmitRequest* request = std::get_if<TransmitRequest>(&checked);
    if (request) {
        sChoices.patchName = request->programName;
        fName->SetText(request->programName);
    }
    if (TransmitChecked(fTransfer, fSlices, checked) == TransferOutcome::kDone) {
        EndModal(kTransmit);
        return;
    }
    if (!request)
        return;
    ReadTemplates();
    ShowTemplates();
}
