#include "gui/dialogs/CAKAITransmitDialog.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>
#include <variant>

#include "document/export/ExportGrooveMIDI.h"
#include "framework/alerts/Alerts.h"
#include "framework/files/FileTypes.h"
#include "framework/progress/CABCProgressPresenter.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/window/CAlertExportFeedback.h"
#include "gui/window/CFileChooser.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/SliceNames.h"
#include "slicing/CSliceRenderSet.h"

namespace {

// Takes the keys of the AKAI set, lower-case letters upper-cased; any other
// key is refused with the system beep.
class CAKAINameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        const std::string text = input.toStdString();
        if (!std::all_of(text.begin(), text.end(), AKAITransmitChoices::AcceptsKey)) {
            if (CABCProgressPresenter* presenter = CABCProgressPresenter::Current())
                presenter->Beep();
            return Invalid;
        }
        input = QString::fromStdString(UpperCase(text));
        return Acceptable;
    }
};

}  // namespace

AKAITransmitChoices CAKAITransmitDialog::sChoices;

CAKAITransmitDialog::CAKAITransmitDialog(CInstalledSampler& sampler, const CSliceRenderSet& slices,
                                         CABCSamplerTransfer& transfer, CABCPlaybackPause* pause)
    : CSamplerTransmitDialog(kTemplate, sampler, true, pause), fSlices(slices), fTransfer(transfer)
{
    AddStaticTexts();
    fName = TextField(kProgramName, static_cast<int>(AKAITransmitChoices::kNameLength), sChoices.programName);
    static_cast<QLineEdit&>(fName->Widget()).setValidator(new CAKAINameValidator(&fName->Widget()));
    fRate = RatePopup(kSampleRate, AKAITransmitChoices::Rates(), sChoices.RateFor(slices.TargetRate()));
    fTemplates = new CPopupButtonView(&Root(), ItemRecord(kTemplateList).frame);
    ReadTemplates();
    new CSamplerPictureView(&Root(), ItemRecord(kPanel).frame, sampler.Type().Constants().picture);
    fMIDIAndTransmit = new CPushButtonView(&Root(), ItemRecord(kMIDIAndTransmit));
    fTransmit = new CPushButtonView(&Root(), ItemRecord(kTransmit));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    SetDefaultButton(fTransmit);
    SetCancelButton(fCancel);
    SetFocusView(fName);
    fAskMIDIFile = [this](const std::string& file) -> std::optional<CFileSpec> {
        const auto choice = CFileChooser::AskToSave(&Widget(), GetResourceString(Res::kStringExportMIDITitle), file,
                                                    CFileTypeList{&kMIDIFileType});
        if (!choice)
            return std::nullopt;
        return choice->file;
    };
}

CPushButtonView& CAKAITransmitDialog::Button(ItemId id) const
{
    return id == kCancel ? *fCancel : id == kMIDIAndTransmit ? *fMIDIAndTransmit : *fTransmit;
}

void CAKAITransmitDialog::ReadTemplates()
{
    fPrograms.clear();
    AskWithWaitCursor([this] { fPrograms = fTransfer.ProgramNames(); });
    std::vector<std::string> labels = {GetResourceString(Res::kStringAKAIDefault)};
    labels.insert(labels.end(), fPrograms.begin(), fPrograms.end());
    fTemplates->SetItems(labels);
    fTemplates->SetValue(sChoices.templateIndex < static_cast<int>(labels.size()) ? sChoices.templateIndex : 0);
}

void CAKAITransmitDialog::CheckControls()
{
    sChoices.programName = UpperCase(fName->Text());
    if (fCancel->TakePress())
        EndModal(kCancel);
    const bool withMIDI = fMIDIAndTransmit->TakePress();
    if (!withMIDI && !fTransmit->TakePress())
        return;
    sChoices.rate = AKAITransmitChoices::Rates().at(static_cast<std::size_t>(fRate->Value()));
    sChoices.templateIndex = fTemplates->Value();
    const std::variant<ResourceId, TransmitRequest> checked = sChoices.Check(fPrograms);
    if (const ResourceId* alert = std::get_if<ResourceId>(&checked)) {
        ShowAlert(*alert);
        return;
    }
    const TransmitRequest& request = std::get<TransmitRequest>(checked);
    CSliceRenderSet slices(fSlices);
    slices.SetTargetRate(request.sampleRate);
    const TransferOutcome outcome = Transmit(fTransfer, slices, request);
    if (outcome == TransferOutcome::kFailed)
        ReadTemplates();
    if (outcome != TransferOutcome::kDone)
        return;
    if (withMIDI)
        WriteGrooveMIDI(slices, request.programName);
    EndModal(kTransmit);
}

void CAKAITransmitDialog::WriteGrooveMIDI(CSliceRenderSet& slices, const std::string& name)
{
    const int count = std::min(slices.Count(), fTransfer.SliceLimit());
    try {
        if (const std::optional<CFileSpec> file = fAskMIDIFile(name + ".mid")) {
            CAlertExportFeedback feedback;
            ExportGrooveMIDI(slices, *file, feedback, count);
        }
    } catch (...) {
        ShowAlert(Res::kAlertMIDIFileFailed);
    }
}
