#include "gui/dialogs/CK2000TransmitDialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <variant>

#include "framework/alerts/Alerts.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/kurzweil/CK2000Transfer.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"

K2000TransmitChoices CK2000TransmitDialog::sChoices;

namespace {

// `format` with its "%s" replaced by `name`.
std::string WithName(const std::string& format, const std::string& name)
{
    std::string text = format;
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

}  // namespace

CK2000TransmitDialog::CK2000TransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                           CK2000Transfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause), fSlices(slices), fTransfer(transfer)
{
    AddStaticTexts();
    const PixelRect& name = ItemRecord(kProgramName).frame;
    fName = new CSingleLineTextEditView(&Root(), name.left, name.top, name.Width(),
                                        static_cast<int>(Kurzweil::kNameLength));
    static_cast<QLineEdit&>(fName->Widget())
        .setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[ -z]*")), &fName->Widget()));
    fName->SetText(sChoices.programName);
    const int digits = static_cast<int>(K2000TransmitChoices::kMaxDigits);
    fProgramId = NumberField(kProgramId, 0, digits);
    fProgramId->SetText(sChoices.programId);
    fProgramFound = new CStaticTextView(&Root(), ItemRecord(kProgramFound).frame, "");
    fUseTemplate = new CCheckBoxView(&Root(), ItemRecord(kUseTemplate));
    fUseTemplate->SetChecked(sChoices.useTemplate);
    fTemplateId = NumberField(kTemplateId, 0, digits);
    fTemplateId->SetText(sChoices.templateId);
    fTemplateFound = new CStaticTextView(&Root(), ItemRecord(kTemplateFound).frame, "");
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    AddButtons(kTransmit, kCancel, kHelp);
    SetFocusView(fName);
}

CSingleLineTextEditView& CK2000TransmitDialog::Field(ItemId id) const
{
    return id == kProgramName ? *fName : id == kProgramId ? *fProgramId : *fTemplateId;
}

const std::string& CK2000TransmitDialog::Found(ItemId id) const
{
    return id == kProgramFound ? fProgramFound->Text() : fTemplateFound->Text();
}

void CK2000TransmitDialog::ShowFound(const CSingleLineTextEditView& field, std::string& shownId,
                                     CStaticTextView& label, const std::string& found, ResourceId none)
{
    if (field.Text() == shownId)
        return;
    shownId = field.Text();
    const std::optional<std::uint16_t> id = CK2000Transfer::ProgramIdIn(shownId);
    std::string text;
    if (id && !fSilent) {
        try {
            const std::optional<std::string> name = fTransfer.ProgramName(Sampler().SysexID(), *id);
            text = name ? WithName(found, *name) : GetResourceString(none);
        } catch (const XBase&) {  // not asked again: each question would wait for its time-out
            fSilent = true;
        }
    }
    label.SetText(text);
}

void CK2000TransmitDialog::CheckControls()
{
    ShowFound(*fProgramId, fShownProgramId, *fProgramFound, GetResourceString(Res::kStringK2000ReplaceProgram),
              Res::kStringK2000EmptyProgram);
    ShowFound(*fTemplateId, fShownTemplateId, *fTemplateFound, "(\"%s\")", Res::kStringK2000NoProgram);
    if (!TakeActionPress())
        return;
    sChoices.programName = fName->Text();
    sChoices.programId = fProgramId->Text();
    sChoices.templateId = fTemplateId->Text();
    sChoices.useTemplate = fUseTemplate->IsChecked();
    const std::variant<ResourceId, TransmitRequest> checked = sChoices.Check(Sampler().SysexID());
    if (const ResourceId* alert = std::get_if<ResourceId>(&checked)) {
        ShowAlert(*alert);
        return;
    }
    if (Transmit(fTransfer, fSlices, std::get<TransmitRequest>(checked)) == TransferOutcome::kDone)
        EndModal(kTransmit);
}
