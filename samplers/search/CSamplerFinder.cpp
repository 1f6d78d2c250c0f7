#include "samplers/search/CSamplerFinder.h"

#include "framework/alerts/Alerts.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/search/CABCFoundSamplerQuestion.h"
#include "samplers/search/CABCSamplerScanner.h"
#include "samplers/search/TooOldNote.h"

namespace {

// The MIDI type whose answers a MIDI+SCSI type's SCSI answer pairs with.
std::uint32_t MIDITypeOf(std::uint32_t bothTypeId)
{
    switch (bothTypeId) {
    case 1002: return 1000;
    case 1012: return 1010;
    case 2002: return 2000;
    case 6002: return 6000;
    default: return 0;
    }
}

void TakeMIDIAddress(CInstalledSampler& sampler, const MIDIFoundRecord& found)
{
    sampler.SetSysexID(found.sysexId);
    sampler.SetMIDIIn(found.in);
    sampler.SetMIDIOut(found.out);
    sampler.SetFoundOS(found.version);
}

void TakeSCSIAddress(CInstalledSampler& sampler, const SCSIFoundRecord& found)
{
    sampler.SetSCSIBus(found.bus);
    sampler.SetSCSIID(found.scsiId);
    sampler.SetFoundOS(found.version);
}

bool IsAlreadyInstalled(const CInstalledSampler& found, const CInstalledSamplerList& installed)
{
    for (std::uint16_t i = 0; i < installed.Count(); ++i)
        if (installed.At(i).IsIdenticalTo(found))
            return true;
    return false;
}

}  // namespace

CInstalledSamplerList CSamplerFinder::FindSamplers(bool scanMIDI, bool scanSCSI)
{
    const std::vector<MIDIFoundRecord> midi = scanMIDI ? fScanner.ScanMIDI() : std::vector<MIDIFoundRecord>();
    const std::vector<SCSIFoundRecord> scsi = scanSCSI ? fScanner.ScanSCSI() : std::vector<SCSIFoundRecord>();
    CInstalledSamplerList found;
    for (const MIDIFoundRecord& record : midi) {
        if (const CABCSupportedSampler* type = fTypes.Find(record.typeId)) {
            auto sampler = std::make_unique<CInstalledSampler>(*type);
            TakeMIDIAddress(*sampler, record);
            found.Add(std::move(sampler));
        }
    }
    found.RemoveDoubles();
    for (const SCSIFoundRecord& record : scsi) {
        const CABCSupportedSampler* type = fTypes.Find(record.typeId);
        if (!type)
            continue;
        if (type->Kind() == ConnectionKind::kSCSI) {
            auto sampler = std::make_unique<CInstalledSampler>(*type);
            TakeSCSIAddress(*sampler, record);
            found.Add(std::move(sampler));
            continue;
        }
        if (type->Kind() != ConnectionKind::kMIDIAndSCSI)
            continue;
        bool paired = false;
        for (const MIDIFoundRecord& partner : midi) {
            if (partner.typeId != MIDITypeOf(record.typeId))
                continue;
            auto sampler = std::make_unique<CInstalledSampler>(*type);
            TakeMIDIAddress(*sampler, partner);
            TakeSCSIAddress(*sampler, record);
            found.Add(std::move(sampler));
            paired = true;
        }
        if (!paired)
            ShowAlertWithArgument(Res::kAlertMIDIConnectionMissing, type->Name());
    }
    found.RemoveDoubles();
    return found;
}

bool CSamplerFinder::Offer(CInstalledSampler& found, ResourceId question, const CInstalledSamplerList& installed)
{
    if (found.Type().IsTooOld(found.FoundOS())) {
        ShowTooOldNote(found);
        return false;
    }
    found.SetVerified(true);
    // A double is only shown; it never ends up installed twice.
    return fQuestion.Ask(found, question, installed) && !IsAlreadyInstalled(found, installed);
}

bool CSamplerFinder::FindAllSamplers(CInstalledSamplerList& installed)
{
    CInstalledSamplerList found = FindSamplers(true, true);
    if (found.Count() == 0) {
        ShowAlert(Res::kAlertNoSamplersFound);
        return false;
    }
    bool added = false;
    while (found.Count() > 0) {
        std::unique_ptr<CInstalledSampler> sampler = found.RemoveAt(0);
        if (!Offer(*sampler, Res::kStringAddThisSampler, installed))
            continue;
        installed.Select(installed.Add(std::move(sampler)));
        added = true;
    }
    return added;
}

std::unique_ptr<CInstalledSampler> CSamplerFinder::FindSamplerOfType(std::uint32_t typeId, ResourceId question,
                                                                     const CInstalledSamplerList& installed)
{
    const CABCSupportedSampler* type = fTypes.Find(typeId);
    if (!type)
        return nullptr;
    CInstalledSamplerList found = FindSamplers(UsesMIDI(type->Kind()), UsesSCSI(type->Kind()));
    bool any = false;
    while (found.Count() > 0) {
        std::unique_ptr<CInstalledSampler> sampler = found.RemoveAt(0);
        if (sampler->Type().TypeId() != typeId)
            continue;
        any = true;
        if (Offer(*sampler, question, installed))
            return sampler;
    }
    if (!any)
        ShowAlertWithArgument(Res::kAlertSamplerNotFound, type->Name());
    return nullptr;
}
