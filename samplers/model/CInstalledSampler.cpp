#include "samplers/model/CInstalledSampler.h"

#include "framework/resources/ResourceScripts.h"
#include "samplers/model/CABCSupportedSampler.h"

CInstalledSampler::CInstalledSampler(const CABCSupportedSampler& type)
    : fType(&type)
{
    SetName(DefaultName(type));
}

std::string CInstalledSampler::DefaultName(const CABCSupportedSampler& type)
{
    const std::string typeName = type.Name();
    if (IsPseudoSampler(type.Kind()))
        return typeName;
    const std::size_t space = typeName.find(' ');
    return GetResourceString(Res::kStringMySampler) +
           (space == std::string::npos ? typeName : typeName.substr(space + 1));
}

void CInstalledSampler::SetName(const std::string& name)
{
    fName = name.substr(0, kNameLength);
}

void CInstalledSampler::ForgetVerification()
{
    fFoundOS = CVersion::Unknown();
    fVerified = false;
}

bool CInstalledSampler::IsIdenticalTo(const CInstalledSampler& other) const
{
    const ConnectionKind kind = Type().Kind();
    if (Type().TypeId() != other.Type().TypeId() || kind != other.Type().Kind())
        return false;
    if (UsesSCSI(kind) && (fSCSIID != other.fSCSIID || fSCSIBus != other.fSCSIBus))
        return false;
    if (UsesMIDI(kind) && (fSysexID != other.fSysexID || fMIDIIn != other.fMIDIIn || fMIDIOut != other.fMIDIOut))
        return false;
    return true;
}
