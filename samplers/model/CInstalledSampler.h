#pragma once
// One sampler the user has installed: its supported type, where it is
// connected (SCSI ID and bus, SysEx ID, MIDI In and Out ports, as indices
// into the device lists), the user's name for it, and what the last
// verification found. Changing an address forgets the verification.
#include <cstdint>
#include <string>

#include "samplers/model/CVersion.h"

class CABCSupportedSampler;

class CInstalledSampler {
public:
    static constexpr std::size_t kNameLength = 40;

    // All addresses 0, found OS unknown, not verified, the default name.
    explicit CInstalledSampler(const CABCSupportedSampler& type);

    const CABCSupportedSampler& Type() const { return *fType; }
    // The name a new sampler of type gets: a pseudo-sampler's type name, else
    // "My " and the type name after its first space.
    static std::string DefaultName(const CABCSupportedSampler& type);

    const std::string& Name() const { return fName; }
    // At most 40 characters are kept.
    void SetName(const std::string& name);

    std::uint8_t SCSIID() const { return fSCSIID; }
    std::uint16_t SCSIBus() const { return fSCSIBus; }
    std::uint8_t SysexID() const { return fSysexID; }
    std::uint16_t MIDIIn() const { return fMIDIIn; }
    std::uint16_t MIDIOut() const { return fMIDIOut; }
    void SetSCSIID(std::uint8_t id) { Change(fSCSIID, id); }
    void SetSCSIBus(std::uint16_t bus) { Change(fSCSIBus, bus); }
    void SetSysexID(std::uint8_t id) { Change(fSysexID, id); }
    void SetMIDIIn(std::uint16_t port) { Change(fMIDIIn, port); }
    void SetMIDIOut(std::uint16_t port) { Change(fMIDIOut, port); }

    const CVersion& FoundOS() const { return fFoundOS; }
    void SetFoundOS(const CVersion& version) { fFoundOS = version; }
    bool IsVerified() const { return fVerified; }
    void SetVerified(bool verified) { fVerified = verified; }
    // Found OS unknown and not verified.
    void ForgetVerification();

    // Same type id and kind and, as the kind uses them, the same SCSI
    // address and the same SysEx ID and MIDI ports.
    bool IsIdenticalTo(const CInstalledSampler& other) const;

private:
    template <typename T>
    void Change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        ForgetVerification();
    }

    const CABCSupportedSampler* fType;
    std::uint8_t fSCSIID = 0;
    std::uint16_t fSCSIBus = 0;
    std::uint8_t fSysexID = 0;
    std::uint16_t fMIDIIn = 0;
    std::uint16_t fMIDIOut = 0;
    std::string fName;
    CVersion fFoundOS = CVersion::Unknown();
    bool fVerified = false;
};
