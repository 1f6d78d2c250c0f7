#pragma once
// An installed sampler as the preferences file keeps it (chunk SPLR, 343
// bytes): its type by id and name, its ports and bus by name, its SCSI ID,
// SysEx ID, name and found OS version.
#include <cstdint>
#include <memory>
#include <string>

#include "formats/preferences/CABCDataFormat.h"
#include "samplers/model/CABCConnectionDirectory.h"
#include "samplers/model/CVersion.h"
#include "samplers/model/ConnectionKind.h"

class CInstalledSampler;
class CSupportedSamplerRegistry;

class CPersistentInstalledSampler : public CABCDataFormat {
public:
    static constexpr std::uint32_t kSize = 343;
    static constexpr std::size_t kTypeNameLength = 32;
    static constexpr std::size_t kDeviceNameLength = 32;
    static constexpr std::uint8_t kVersionMarker = 0xBC;
    static constexpr std::uint8_t kMaxSCSIID = 7;
    static constexpr std::uint8_t kMaxSysexID = 127;

    CPersistentInstalledSampler() = default;
    // The record of sampler, its ports and bus named as connections lists them.
    CPersistentInstalledSampler(const CInstalledSampler& sampler, const CABCConnectionDirectory& connections);

    std::uint32_t GetSize() const override { return kSize; }
    void Serialize(std::uint8_t* buffer) const override;
    // Invalid: fewer than 343 bytes, a SCSI ID above 7, a SysEx ID above 127.
    void Deserialize(const std::uint8_t* buffer, std::uint32_t size) override;

    // The installed sampler the record describes, with its ports and bus
    // found by name: XSamplerNotSupported for an unknown type id,
    // XInvalidPreferencesChunk for a SysEx ID beyond the type's. A port or
    // bus that is gone shows alert 30, 31 or 32 and leaves index 0.
    std::unique_ptr<CInstalledSampler> MakeInstalled(const CSupportedSamplerRegistry& types,
                                                     const CABCConnectionDirectory& connections) const;

    ConnectionKind Kind() const { return fKind; }
    // The kind of the stored type, as types know it.
    void SetKindFrom(const CSupportedSamplerRegistry& types);
    std::uint32_t TypeId() const { return fTypeId; }
    const std::string& TypeName() const { return fTypeName; }
    const std::string& SamplerName() const { return fSamplerName; }
    std::uint8_t SCSIID() const { return fSCSIID; }
    std::uint8_t SysexID() const { return fSysexID; }
    const CABCConnectionDirectory::BusName& SCSIBus() const { return fBus; }
    const CABCConnectionDirectory::PortName& MIDIIn() const { return fIn; }
    const CABCConnectionDirectory::PortName& MIDIOut() const { return fOut; }
    const CVersion& FoundOS() const { return fFoundOS; }

private:
    ConnectionKind fKind = ConnectionKind::kUndefined;
    std::uint8_t fSCSIID = 0;
    CABCConnectionDirectory::BusName fBus;
    std::uint8_t fSysexID = 0;
    CABCConnectionDirectory::PortName fIn;
    CABCConnectionDirectory::PortName fOut;
    std::uint32_t fTypeId = 0;
    std::string fTypeName;
    std::string fSamplerName;
    CVersion fFoundOS{0, 0};
};
