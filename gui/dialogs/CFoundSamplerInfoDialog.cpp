#include "gui/dialogs/CFoundSamplerInfoDialog.h"

#include <cstdio>

#include "framework/resources/ResourceScripts.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSamplerList.h"
#include "samplers/model/SamplerAddressTexts.h"

namespace {

const CInstalledSampler* IdenticalInstalled(const CInstalledSampler& found, const CInstalledSamplerList& installed)
{
    for (std::uint16_t i = 0; i < installed.Count(); ++i)
        if (installed.At(i).IsIdenticalTo(found))
            return &installed.At(i);
    return nullptr;
}

std::string DoubleQuestion(const CInstalledSampler& installed)
{
    const std::string format = GetResourceString(Res::kStringIdenticalSampler);
    char text[256];
    std::snprintf(text, sizeof text, format.c_str(), installed.Name().c_str());
    return text;
}

}  // namespace

CFoundSamplerInfoDialog::CFoundSamplerInfoDialog(const CInstalledSampler& found, ResourceId question,
                                                 const CInstalledSamplerList& installed,
                                                 const CABCConnectionDirectory& connections)
    : CModalDialog(kTemplate)
{
    const CABCSupportedSampler& type = found.Type();
    const std::string none = GetResourceString(Res::kStringNotApplicable);
    const bool midi = UsesMIDI(type.Kind());
    const bool scsi = UsesSCSI(type.Kind());
    const CInstalledSampler* identical = IdenticalInstalled(found, installed);
    fDouble = identical != nullptr;
    const std::pair<ItemId, std::string> fields[] = {
        {kQuestion, fDouble ? DoubleQuestion(*identical) : GetResourceString(question)},
        {kType, type.Name()},
        {kMIDIIn, midi ? connections.MIDIInName(found.MIDIIn()).port : none},
        {kSysexID, midi ? SysexIdLabel(type, found.SysexID()) : none},
        {kMIDIOut, midi ? connections.MIDIOutName(found.MIDIOut()).port : none},
        {kSCSIBus, scsi ? SCSIBusLabel(connections.SCSIBusName(found.SCSIBus())) : none},
        {kSCSIID, scsi ? std::to_string(found.SCSIID()) : none},
    };
    for (const DialogItemRecord& item : Items())
        if (item.kind == DialogItemKind::kStaticText && !item.text.empty())
            new CStaticTextView(&Root(), item.frame, item.text);
    for (const auto& [id, text] : fields)
        fFields[id] = new CStaticTextView(&Root(), ItemRecord(id).frame, text);
    fYesText = fDouble ? GetResourceString(Res::kStringDelete) : ItemRecord(kYes).text;
    fNoText = fDouble ? GetResourceString(Res::kStringSkip) : ItemRecord(kNo).text;
    fYes = new CPushButtonView(&Root(), ItemRecord(kYes).frame, fYesText);
    fNo = new CPushButtonView(&Root(), ItemRecord(kNo).frame, fNoText);
    if (fDouble)
        SetTitle(GetResourceString(Res::kStringDoubleSamplerFound));
    SetDefaultButton(fYes);
    SetCancelButton(fNo);
}

const std::string& CFoundSamplerInfoDialog::Field(ItemId id) const
{
    return fFields.at(id)->Text();
}

const std::string& CFoundSamplerInfoDialog::ButtonText(ItemId id) const
{
    return id == kYes ? fYesText : fNoText;
}

bool CFoundSamplerInfoDialog::Ask()
{
    return RunModal() == kYes && !fDouble;
}

void CFoundSamplerInfoDialog::CheckControls()
{
    if (fYes->TakePress())
        EndModal(kYes);
    if (fNo->TakePress())
        EndModal(kNo);
}
