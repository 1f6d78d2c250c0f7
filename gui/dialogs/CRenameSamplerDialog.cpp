#include "gui/dialogs/CRenameSamplerDialog.h"

#include "framework/alerts/Alerts.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "resources/QuilletCommands.h"
#include "samplers/model/CInstalledSampler.h"

CRenameSamplerDialog::CRenameSamplerDialog(CInstalledSampler& sampler)
    : CModalDialog(kTemplate), fSampler(sampler)
{
    for (const DialogItemRecord& item : Items())
        if (item.kind == DialogItemKind::kStaticText && !item.text.empty())
            new CStaticTextView(&Root(), item.frame, item.text);
    new CStaticTextView(&Root(), ItemRecord(kCurrentName).frame, sampler.Name());
    const PixelRect& field = ItemRecord(kNewName).frame;
    fNewName = new CSingleLineTextEditView(&Root(), field.left, field.top, field.Width(),
                                           static_cast<int>(CInstalledSampler::kNameLength));
    fNewName->SetText(sampler.Name());
    fOK = new CPushButtonView(&Root(), ItemRecord(kOK));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    fHelp = new CPushButtonView(&Root(), ItemRecord(kHelp));
    SetDefaultButton(fOK);
    SetCancelButton(fCancel);
    SetFocusView(fNewName);
}

CPushButtonView& CRenameSamplerDialog::Button(ItemId id) const
{
    return id == kOK ? *fOK : id == kCancel ? *fCancel : *fHelp;
}

void CRenameSamplerDialog::CheckControls()
{
    if (fHelp->TakePress() && CApplication::Current())
        CApplication::Current()->DoCommand(Cmd::kContents);
    if (fCancel->TakePress())
        EndModal(kCancel);
    if (!fOK->TakePress())
        return;
    const std::string name = fNewName->Text();
    if (name.empty()) {
        ShowAlert(Res::kAlertSamplerNameMissing);
        return;
    }
    fSampler.SetName(name);
    EndModal(kOK);
}
