#include "samplers/search/TooOldNote.h"

#include <cstdio>
#include <string>

#include "framework/alerts/Alerts.h"
#include "framework/resources/ResourceScripts.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSampler.h"

namespace {

template <typename... Arguments>
void ShowNote(ResourceId script, Arguments... arguments)
{
    const std::string format = GetResourceString(script);
    char text[512];
    std::snprintf(text, sizeof text, format.c_str(), arguments...);
    ShowAlertText(text);
}

}  // namespace

void ShowTooOldNote(const CInstalledSampler& sampler)
{
    const CABCSupportedSampler& type = sampler.Type();
    const std::string name = type.Name();
    const int found[2] = {sampler.FoundOS().Major(), sampler.FoundOS().Minor()};
    const int required[2] = {type.RequiredOS().Major(), type.RequiredOS().Minor()};
    const int sysex = static_cast<signed char>(sampler.SysexID());
    const int scsi = sampler.SCSIID();
    switch (type.Kind()) {
    case ConnectionKind::kMIDI:
        ShowNote(Res::kStringOldOSMIDI, name.c_str(), sysex, found[0], long(found[1]), required[0], long(required[1]));
        break;
    case ConnectionKind::kSCSI:
        ShowNote(Res::kStringOldOSSCSI, name.c_str(), scsi, found[0], long(found[1]), required[0], long(required[1]));
        break;
    default:
        ShowNote(Res::kStringOldOSMIDIAndSCSI, name.c_str(), sysex, scsi, found[0], long(found[1]), required[0],
                 long(required[1]));
        break;
    }
}

void ShowTooOldNoteForInstalled(const CInstalledSampler& sampler)
{
    const CABCSupportedSampler& type = sampler.Type();
    ShowNote(Res::kStringOldOSInstalled, type.Name().c_str(), int(sampler.FoundOS().Major()),
             long(sampler.FoundOS().Minor()), int(type.RequiredOS().Major()), long(type.RequiredOS().Minor()));
}
