#include "gui/dialogs/CYamahaTransmitDialog.h"

#include <algorithm>
#include <variant>

#include "framework/resources/ResourceScripts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/yamaha/A3000Dump.h"
#include "samplers/yamaha/CA3000Transfer.h"
#include "slicing/CSliceRenderSet.h"

YamahaTransmitChoices CYamahaTransmitDialog::sChoices;

CYamahaTransmitDialog::CYamahaTransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                             CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause),
      fSlices(slices),
      fTransfer(transfer),
      fA3000(dynamic_cast<CA3000Transfer*>(&transfer))
{
    AddStaticTexts();
    fName = TextField(kBankName, static_cast<int>(A3000::kNameLength), sChoices.bankName);
    fRate = RatePopup(kSampleRate, YamahaTransmitChoices::Rates(), sChoices.RateFor(slices.TargetRate()));
    fTemplate = new CPopupButtonView(&Root(), ItemRecord(kTemplateChoice).frame);
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    AddButtons(kTransmit, kCancel, kHelp);
    SetFocusView(fName);
    ListTemplates();
}

void CYamahaTransmitDialog::ListTemplates()
{
    fTemplates.clear();
    if (fA3000)
        RunTransfer(Res::kStringReceivingSampleNames,
                    [&](CLengthyOperation&) { fTemplates = fA3000->TemplateNames(Sampler().SysexID()); });
    std::vector<std::string> labels{GetResourceString(Res::kStringA3000Default)};
    labels.insert(labels.end(), fTemplates.begin(), fTemplates.end());
    fTemplate->SetItems(labels);
    const auto kept = std::find(fTemplates.begin(), fTemplates.end(), sChoices.templateName);
    fTemplate->SetValue(kept == fTemplates.end() ? 0 : static_cast<std::int32_t>(kept - fTemplates.begin()) + 1);
}

void CYamahaTransmitDialog::CheckControls()
{
    if (!TakeActionPress())
        return;
    sChoices.bankName = fName->Text();
    sChoices.rate = YamahaTransmitChoices::Rates().at(static_cast<std::size_t>(fRate->Value()));
    const auto chosen = static_cast<std::size_t>(fTemplate->Value());
    sChoices.templateName = chosen == 0 ? std::string() : fTemplates.at(chosen - 1);
    const std::variant<ResourceId, TransmitRequest> checked = sChoices.Check(Sampler().SysexID());
    if (TransmitChecked(fTransfer, fSlices, checked) == TransferOutcome::kDone)
        EndModal(kTransmit);
    else if (std::holds_alternative<TransmitRequest>(checked))
        ListTemplates();
}
