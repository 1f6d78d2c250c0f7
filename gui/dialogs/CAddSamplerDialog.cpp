#include "gui/dialogs/CAddSamplerDialog.h"

#include <new>

#include "framework/alerts/Alerts.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CGroupBoxView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "resources/QuilletCommands.h"
#include "samplers/model/CInstalledSamplerList.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/search/CSamplerFinder.h"

namespace {

bool Reachable(ConnectionKind kind, bool midi, bool scsi)
{
    switch (kind) {
    case ConnectionKind::kSCSI: return scsi;
    case ConnectionKind::kMIDI: return midi;
    case ConnectionKind::kMIDIAndSCSI: return midi && scsi;
    default: return false;
    }
}

}  // namespace

CAddSamplerDialog::CAddSamplerDialog(const CSupportedSamplerRegistry& types, bool midi, bool scsi,
                                     CInstalledSamplerList& installed, CSamplerFinder& finder)
    : CModalDialog(kTemplate), fInstalled(installed), fFinder(finder)
{
    for (std::size_t i = 0; i < types.Count(); ++i)
        if (Reachable(types.At(i).Kind(), midi, scsi))
            fModels.push_back(&types.At(i));
    for (const DialogItemRecord& item : Items()) {
        if (item.kind == DialogItemKind::kGroupBox)
            new CGroupBoxView(&Root(), item.frame, item.text);
        else if (item.kind == DialogItemKind::kStaticText && !item.text.empty())
            new CStaticTextView(&Root(), item.frame, item.text);
    }
    fModel = new CPopupButtonView(&Root(), ItemRecord(kModel).frame);
    std::vector<std::string> names;
    for (const CABCSupportedSampler* model : fModels)
        names.push_back(model->Name());
    fModel->SetItems(names);
    fModel->SetEnabled(!fModels.empty());
    fPicture = new CSamplerPictureView(&Root(), ItemRecord(kPicture).frame, CSamplerPictureView::kNoSampler);
    fNotes = new CStaticTextView(&Root(), ItemRecord(kNotes).frame, "");
    fRequiredOS = new CStaticTextView(&Root(), ItemRecord(kRequiredOS).frame, "");
    fFind = new CPushButtonView(&Root(), ItemRecord(kFind));
    fOK = new CPushButtonView(&Root(), ItemRecord(kOK));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    fHelp = new CPushButtonView(&Root(), ItemRecord(kHelp));
    fFind->SetEnabled(!fModels.empty());
    fOK->SetEnabled(!fModels.empty());
    SetDefaultButton(fOK);
    SetCancelButton(fCancel);
    ShowModel();
}

CPushButtonView& CAddSamplerDialog::Button(ItemId id) const
{
    switch (id) {
    case kOK: return *fOK;
    case kCancel: return *fCancel;
    case kFind: return *fFind;
    default: return *fHelp;
    }
}

const CStaticTextView& CAddSamplerDialog::Text(ItemId id) const
{
    return id == kNotes ? *fNotes : *fRequiredOS;
}

const CABCSupportedSampler* CAddSamplerDialog::Chosen() const
{
    const auto index = static_cast<std::size_t>(fModel->Value());
    return index < fModels.size() ? fModels[index] : nullptr;
}

void CAddSamplerDialog::ShowModel()
{
    const CABCSupportedSampler* model = Chosen();
    fPicture->SetPicture(model ? model->Constants().picture : CSamplerPictureView::kNoSampler);
    fNotes->SetText(model && model->HasNotes() ? model->Notes() : GetResourceString(Res::kStringNoInformation));
    fRequiredOS->SetText(model ? model->RequiredOS().Text() : GetResourceString(Res::kStringNotApplicable));
}

void CAddSamplerDialog::ControlNotify(CView& source, std::int32_t code)
{
    if (&source == fModel)
        ShowModel();
    CModalDialog::ControlNotify(source, code);
}

void CAddSamplerDialog::Install()
{
    try {
        fInstalled.Select(fInstalled.Add(std::make_unique<CInstalledSampler>(*Chosen())));
    } catch (const std::bad_alloc&) {
        ShowAlert(Res::kAlertNewSamplerNoMemory);
        return;
    }
    EndModal(kOK);
}

void CAddSamplerDialog::Find()
{
    if (auto found = fFinder.FindSamplerOfType(Chosen()->TypeId(), Res::kStringAddThisSampler, fInstalled)) {
        fInstalled.Select(fInstalled.Add(std::move(found)));
        EndModal(kOK);
    }
}

void CAddSamplerDialog::CheckControls()
{
    if (fHelp->TakePress() && CApplication::Current())
        CApplication::Current()->DoCommand(Cmd::kContents);
    if (fCancel->TakePress())
        EndModal(kCancel);
    if (fOK->TakePress() && Chosen())
        Install();
    if (fFind->TakePress() && Chosen())
        Find();
}
