#include "samplers/model/CPersistentInstalledSampler.h"

#include <algorithm>

#include "formats/chunks/ByteOrder.h"
#include "formats/preferences/PreferenceFields.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"

namespace {

// Field offsets of the 343-byte record.
constexpr std::size_t kTypeId = 1;
constexpr std::size_t kTypeName = 5;
constexpr std::size_t kBusName = 37;
constexpr std::size_t kHostAdapter = 70;
constexpr std::size_t kInName = 103;
constexpr std::size_t kInDriver = 136;
constexpr std::size_t kOutName = 169;
constexpr std::size_t kOutDriver = 202;
constexpr std::size_t kSCSIID = 235;
constexpr std::size_t kSysexID = 236;
constexpr std::size_t kSamplerName = 237;
constexpr std::size_t kVersionBlock = 338;
constexpr std::size_t kDeviceField = 33;
constexpr std::size_t kNameField = 41;

using PreferenceFields::ReadText;

void WriteDeviceName(std::uint8_t* dest, const std::string& name)
{
    PreferenceFields::WriteText(dest, kDeviceField, CPersistentInstalledSampler::kDeviceNameLength, name);
}

}  // namespace

CPersistentInstalledSampler::CPersistentInstalledSampler(const CInstalledSampler& sampler,
                                                         const CABCConnectionDirectory& connections)
    : fKind(sampler.Type().Kind())
    , fTypeId(sampler.Type().TypeId())
    , fTypeName(sampler.Type().Name())
    , fSamplerName(sampler.Name())
    , fFoundOS(sampler.FoundOS())
{
    if (UsesSCSI(fKind)) {
        fSCSIID = sampler.SCSIID();
        fBus = connections.SCSIBusName(sampler.SCSIBus());
    }
    if (UsesMIDI(fKind)) {
        fSysexID = sampler.SysexID();
        fIn = connections.MIDIInName(sampler.MIDIIn());
        fOut = connections.MIDIOutName(sampler.MIDIOut());
    }
}

void CPersistentInstalledSampler::Serialize(std::uint8_t* buffer) const
{
    std::fill(buffer, buffer + kSize, 0);
    buffer[0] = PreferenceFields::kVersion;
    WriteLittleEndian32(buffer + kTypeId, fTypeId);
    PreferenceFields::WriteText(buffer + kTypeName, kTypeNameLength, kTypeNameLength, fTypeName);
    WriteDeviceName(buffer + kBusName, fBus.bus);
    WriteDeviceName(buffer + kHostAdapter, fBus.hostAdapter);
    WriteDeviceName(buffer + kInName, fIn.port);
    WriteDeviceName(buffer + kInDriver, fIn.driver);
    WriteDeviceName(buffer + kOutName, fOut.port);
    WriteDeviceName(buffer + kOutDriver, fOut.driver);
    buffer[kSCSIID] = fSCSIID;
    buffer[kSysexID] = fSysexID;
    PreferenceFields::WriteText(buffer + kSamplerName, kNameField, CInstalledSampler::kNameLength, fSamplerName);
    buffer[kVersionBlock] = kVersionMarker;
    buffer[kVersionBlock + 1] = fFoundOS.Major();
    buffer[kVersionBlock + 2] = fFoundOS.Minor();
    buffer[kVersionBlock + 3] = fFoundOS.Revision();
}

void CPersistentInstalledSampler::Deserialize(const std::uint8_t* buffer, std::uint32_t size)
{
    PreferenceFields::RequireSize(size, kSize);
    PreferenceFields::RequireRange(buffer[kSCSIID], 0, kMaxSCSIID);
    PreferenceFields::RequireRange(buffer[kSysexID], 0, kMaxSysexID);
    fTypeId = ReadLittleEndian32(buffer + kTypeId);
    fTypeName = ReadText(buffer + kTypeName, kTypeNameLength);
    fBus = {ReadText(buffer + kBusName, kDeviceField), ReadText(buffer + kHostAdapter, kDeviceField)};
    fIn = {ReadText(buffer + kInName, kDeviceField), ReadText(buffer + kInDriver, kDeviceField)};
    fOut = {ReadText(buffer + kOutName, kDeviceField), ReadText(buffer + kOutDriver, kDeviceField)};
    fSCSIID = buffer[kSCSIID];
    fSysexID = buffer[kSysexID];
    fSamplerName = ReadText(buffer + kSamplerName, kNameField);
    if (buffer[kVersionBlock] == kVersionMarker)
        fFoundOS = CVersion(buffer[kVersionBlock + 1], buffer[kVersionBlock + 2], buffer[kVersionBlock + 3]);
}

void CPersistentInstalledSampler::SetKindFrom(const CSupportedSamplerRegistry& types)
{
    if (const CABCSupportedSampler* type = types.Find(fTypeId))
        fKind = type->Kind();
}

std::unique_ptr<CInstalledSampler> CPersistentInstalledSampler::MakeInstalled(
    const CSupportedSamplerRegistry& types, const CABCConnectionDirectory& connections) const
{
    const CABCSupportedSampler* type = types.Find(fTypeId);
    if (!type)
        throw XSamplerNotSupported();
    if (fSysexID >= type->Constants().sysexIdCount)
        throw XInvalidPreferencesChunk();
    auto sampler = std::make_unique<CInstalledSampler>(*type);
    sampler->SetName(fSamplerName);
    if (UsesMIDI(type->Kind())) {
        const auto in = connections.FindMIDIIn(fIn);
        if (!in)
            ShowAlertWithArgument(Res::kAlertMIDIInPortMissing, fIn.port);
        const auto out = connections.FindMIDIOut(fOut);
        if (!out)
            ShowAlertWithArgument(Res::kAlertMIDIOutPortMissing, fOut.port);
        sampler->SetMIDIIn(in.value_or(0));
        sampler->SetMIDIOut(out.value_or(0));
        sampler->SetSysexID(fSysexID);
    }
    if (UsesSCSI(type->Kind())) {
        const auto bus = connections.FindSCSIBus(fBus);
        if (!bus)
            ShowAlertWithArgument(Res::kAlertSCSIBusMissing, fBus.bus);
        sampler->SetSCSIBus(bus.value_or(0));
        sampler->SetSCSIID(fSCSIID);
    }
    sampler->SetFoundOS(fFoundOS);
    return sampler;
}
