#include "gui/dialogs/CConfigureSamplerDialog.h"

#include <QApplication>
#include <algorithm>

#include "framework/alerts/Alerts.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/dialogs/CAddSamplerDialog.h"
#include "gui/dialogs/CRenameSamplerDialog.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/application/CApplication.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CGroupBoxView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "resources/QuilletCommands.h"
#include "samplers/model/CABCConnectionDirectory.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSamplerList.h"
#include "samplers/model/SamplerAddressTexts.h"
#include "samplers/search/CSamplerFinder.h"
#include "samplers/search/CSamplerVerifier.h"

namespace {

constexpr std::int32_t kYes = 33;  // alert 60: [No][Yes]

// A text of a popup entry per port.
template <typename Name>
std::vector<std::string> Names(std::uint16_t count, Name name)
{
    std::vector<std::string> names;
    for (std::uint16_t i = 0; i < count; ++i)
        names.push_back(name(i));
    return names;
}

// The busy cursor while a sampler is asked.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

CConfigureSamplerDialog::CConfigureSamplerDialog(Services services)
    : CModalDialog(kTemplate), fServices(services)
{
    for (const DialogItemRecord& item : Items()) {
        if (item.kind == DialogItemKind::kGroupBox)
            new CGroupBoxView(&Root(), item.frame, item.text);
        else if (item.kind == DialogItemKind::kStaticText && !item.text.empty())
            new CStaticTextView(&Root(), item.frame, item.text);
    }
    fSampler = new CPopupButtonView(&Root(), ItemRecord(kSampler).frame);
    fName = new CStaticTextView(&Root(), ItemRecord(kName).frame, "");
    fType = new CStaticTextView(&Root(), ItemRecord(kType).frame, "");
    fRequiredOS = new CStaticTextView(&Root(), ItemRecord(kRequiredOS).frame, "");
    fFoundOS = new CStaticTextView(&Root(), ItemRecord(kFoundOS).frame, "");
    fNotes = new CStaticTextView(&Root(), ItemRecord(kNotes).frame, "");
    fPicture = new CSamplerPictureView(&Root(), ItemRecord(kPicture).frame, CSamplerPictureView::kNoSampler);
    fStatus = new CSamplerPictureView(&Root(), ItemRecord(kStatus).frame, CSamplerPictureView::kUnverifiedIcon);
    fSysexID = new CPopupButtonView(&Root(), ItemRecord(kSysexID).frame);
    fMIDIIn = new CPopupButtonView(&Root(), ItemRecord(kMIDIIn).frame);
    fMIDIOut = new CPopupButtonView(&Root(), ItemRecord(kMIDIOut).frame);
    fSCSIBus = new CPopupButtonView(&Root(), ItemRecord(kSCSIBus).frame);
    fSCSIID = new CPopupButtonView(&Root(), ItemRecord(kSCSIID).frame);
    fAdd = new CPushButtonView(&Root(), ItemRecord(kAdd));
    fDelete = new CPushButtonView(&Root(), ItemRecord(kDelete));
    fRename = new CPushButtonView(&Root(), ItemRecord(kRename));
    fVerify = new CPushButtonView(&Root(), ItemRecord(kVerify));
    fVerify->SetTooltip("Check that sampler is on-line");
    fFindAll = new CPushButtonView(&Root(), ItemRecord(kFindAll));
    fHelp = new CPushButtonView(&Root(), ItemRecord(kHelp));
    fOK = new CPushButtonView(&Root(), ItemRecord(kOK));
    SetDefaultButton(fOK);
    SetCancelButton(fOK);
    ListSamplers();
}

CInstalledSampler* CConfigureSamplerDialog::Shown() const
{
    const auto index = static_cast<std::size_t>(fSampler->Value());
    return index < fListed.size() ? &fServices.installed.At(fListed[index]) : nullptr;
}

CPopupButtonView& CConfigureSamplerDialog::Popup(ItemId id) const
{
    switch (id) {
    case kSampler: return *fSampler;
    case kSysexID: return *fSysexID;
    case kMIDIIn: return *fMIDIIn;
    case kMIDIOut: return *fMIDIOut;
    case kSCSIBus: return *fSCSIBus;
    default: return *fSCSIID;
    }
}

const CStaticTextView& CConfigureSamplerDialog::Text(ItemId id) const
{
    switch (id) {
    case kName: return *fName;
    case kType: return *fType;
    case kRequiredOS: return *fRequiredOS;
    case kFoundOS: return *fFoundOS;
    default: return *fNotes;
    }
}

CPushButtonView& CConfigureSamplerDialog::Button(ItemId id) const
{
    switch (id) {
    case kOK: return *fOK;
    case kHelp: return *fHelp;
    case kAdd: return *fAdd;
    case kDelete: return *fDelete;
    case kRename: return *fRename;
    case kVerify: return *fVerify;
    default: return *fFindAll;
    }
}

const CSamplerPictureView& CConfigureSamplerDialog::Picture(ItemId id) const
{
    return id == kStatus ? *fStatus : *fPicture;
}

void CConfigureSamplerDialog::ListSamplers()
{
    const CInstalledSamplerList& installed = fServices.installed;
    fListed.clear();
    std::vector<std::string> names;
    int shown = 0;
    for (std::uint16_t i = 0; i < installed.Count(); ++i) {
        if (IsPseudoSampler(installed.At(i).Type().Kind()))
            continue;
        if (i == installed.SelectedIndex())
            shown = static_cast<int>(fListed.size());
        fListed.push_back(i);
        names.push_back(installed.At(i).Name());
    }
    fSampler->SetValue(shown);
    fSampler->SetItems(names);
    fShownBus = -1;
    ShowSampler();
}

void CConfigureSamplerDialog::ShowSampler()
{
    const CInstalledSampler* sampler = Shown();
    const std::string none = GetResourceString(Res::kStringNotApplicable);
    fSampler->SetEnabled(sampler != nullptr);
    fDelete->SetEnabled(sampler != nullptr);
    fRename->SetEnabled(sampler != nullptr);
    fVerify->SetEnabled(sampler != nullptr);
    if (!sampler) {
        fName->SetText(GetResourceString(Res::kStringNoSamplerInstalled));
        for (CStaticTextView* field : {fType, fRequiredOS, fFoundOS, fNotes})
            field->SetText(none);
        fPicture->SetPicture(CSamplerPictureView::kNoSampler);
        fStatus->SetPicture(CSamplerPictureView::kUnverifiedIcon);
        for (CPopupButtonView* popup : {fSysexID, fMIDIIn, fMIDIOut, fSCSIBus, fSCSIID}) {
            popup->SetItems({});
            popup->SetEnabled(false);
        }
        return;
    }
    const CABCSupportedSampler& type = sampler->Type();
    const bool detectable = type.Constants().osDetectable;
    fName->SetText(sampler->Name());
    fType->SetText(type.Name());
    fRequiredOS->SetText(type.RequiredOS().Text());
    fFoundOS->SetText(!sampler->FoundOS().IsUnknown() ? sampler->FoundOS().Text()
                      : detectable                   ? GetResourceString(Res::kStringUnknown)
                                                     : GetResourceString(Res::kStringCannotBeDetected));
    fFoundOS->SetEnabled(detectable);
    fNotes->SetText(type.HasNotes() ? type.Notes() : GetResourceString(Res::kStringNoInformation));
    fNotes->SetEnabled(type.HasNotes());
    fPicture->SetPicture(type.Constants().picture);
    const bool good = sampler->IsVerified() && (!detectable || !type.IsTooOld(sampler->FoundOS()));
    fStatus->SetPicture(good ? CSamplerPictureView::kVerifiedIcon : CSamplerPictureView::kUnverifiedIcon);
    ShowAddresses(*sampler);
}

void CConfigureSamplerDialog::ShowAddresses(const CInstalledSampler& sampler)
{
    const CABCSupportedSampler& type = sampler.Type();
    const CABCConnectionDirectory& connections = fServices.connections;
    const bool midi = UsesMIDI(type.Kind());
    const bool scsi = UsesSCSI(type.Kind());
    const int sysexEntries = std::min<int>(type.Constants().sysexIdCount, kMaxSysexEntries);
    fSysexID->SetValue(sampler.SysexID());
    fSysexID->SetItems(midi ? Names(static_cast<std::uint16_t>(sysexEntries),
                                    [&type](std::uint16_t id) { return SysexIdLabel(type, id); })
                            : std::vector<std::string>());
    fMIDIIn->SetValue(sampler.MIDIIn());
    fMIDIIn->SetItems(midi ? Names(connections.MIDIInCount(),
                                   [&connections](std::uint16_t i) { return connections.MIDIInName(i).port; })
                           : std::vector<std::string>());
    fMIDIOut->SetValue(sampler.MIDIOut());
    fMIDIOut->SetItems(midi ? Names(connections.MIDIOutCount(),
                                    [&connections](std::uint16_t i) { return connections.MIDIOutName(i).port; })
                            : std::vector<std::string>());
    fSCSIBus->SetValue(sampler.SCSIBus());
    fSCSIBus->SetItems(scsi ? Names(connections.SCSIBusCount(),
                                    [&connections](std::uint16_t i) { return SCSIBusLabel(connections.SCSIBusName(i)); })
                            : std::vector<std::string>());
    for (CPopupButtonView* popup : {fSysexID, fMIDIIn, fMIDIOut})
        popup->SetEnabled(midi);
    fSCSIBus->SetEnabled(scsi);
    fSCSIID->SetEnabled(scsi);
    if (!scsi) {
        fSCSIID->SetItems({});
        fShownBus = -1;
    } else if (fShownBus != sampler.SCSIBus()) {
        ListSCSIIDs(sampler.SCSIBus());
    }
    fSCSIID->SetValue(sampler.SCSIID());
}

void CConfigureSamplerDialog::ListSCSIIDs(std::uint16_t bus)
{
    fShownBus = bus;
    if (bus >= fServices.connections.SCSIBusCount()) {
        fSCSIID->SetItems({});
        return;
    }
    BusyCursor busy;
    fSCSIID->SetItems(Names(CABCConnectionDirectory::kSCSIIDs, [this, bus](std::uint16_t id) {
        return SCSITargetLabel(id, fServices.connections.InquireSCSITarget(bus, static_cast<std::uint8_t>(id)));
    }));
}

void CConfigureSamplerDialog::ControlNotify(CView& source, std::int32_t code)
{
    CInstalledSampler* sampler = Shown();
    if (&source == fSampler && sampler) {
        fServices.installed.Select(fListed[static_cast<std::size_t>(fSampler->Value())]);
    } else if (sampler && &source == fSysexID) {
        sampler->SetSysexID(static_cast<std::uint8_t>(fSysexID->Value()));
    } else if (sampler && &source == fMIDIIn) {
        sampler->SetMIDIIn(static_cast<std::uint16_t>(fMIDIIn->Value()));
    } else if (sampler && &source == fMIDIOut) {
        sampler->SetMIDIOut(static_cast<std::uint16_t>(fMIDIOut->Value()));
    } else if (sampler && &source == fSCSIBus) {
        sampler->SetSCSIBus(static_cast<std::uint16_t>(fSCSIBus->Value()));
        sampler->SetSCSIID(0);
    } else if (sampler && &source == fSCSIID) {
        sampler->SetSCSIID(static_cast<std::uint8_t>(fSCSIID->Value()));
    }
    ShowSampler();
    CModalDialog::ControlNotify(source, code);
}

void CConfigureSamplerDialog::Delete()
{
    if (ShowAlert(Res::kAlertRemoveSampler) != kYes)
        return;
    fServices.installed.RemoveAt(fListed[static_cast<std::size_t>(fSampler->Value())]);
    ListSamplers();
}

void CConfigureSamplerDialog::Verify()
{
    fStatus->SetPicture(CSamplerPictureView::kUnverifiedIcon);
    {
        BusyCursor busy;
        fServices.verifier.VerifySampler(*Shown());
    }
    ShowSampler();
}

void CConfigureSamplerDialog::CheckControls()
{
    if (fHelp->TakePress() && CApplication::Current())
        CApplication::Current()->DoCommand(Cmd::kContents);
    if (fOK->TakePress())
        EndModal(kOK);
    if (fAdd->TakePress()) {
        CAddSamplerDialog(fServices.types, fServices.midi, fServices.scsi, fServices.installed, fServices.finder)
            .RunModal();
        ListSamplers();
    }
    if (fFindAll->TakePress()) {
        fServices.finder.FindAllSamplers(fServices.installed);
        ListSamplers();
    }
    if (fDelete->TakePress() && Shown())
        Delete();
    if (fRename->TakePress() && Shown()) {
        CRenameSamplerDialog(*Shown()).RunModal();
        ListSamplers();
    }
    if (fVerify->TakePress() && Shown())
        Verify();
}
