#pragma once
// A simulated K2000 or K2500 on its device number: it answers the Universal
// Identity Request and, on the SCSI bus, INQUIRY with its model; it keeps
// programs, keymaps and sample objects by type and ID with their names and
// data, lists them from an ID upward, reads, writes (at the lowest free ID
// from the one asked for, in next-free-ID mode), names and deletes them,
// acknowledging with the ID used or refusing with a reason; sample data
// arrives by the Sample Dump Standard, SDS sample n being sample object
// n + 1, or by SMDI on the SCSI bus, SMDI sample n being sample object n.
// Faults a test asks for meet the writes and deletes they concern.
#include <array>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "samplers/kurzweil/KurzweilMessages.h"
#include "simulators/CSimulatedSDSSampler.h"
#include "simulators/CSimulatedSMDITarget.h"

class CSimulatedKurzweilSampler : public CSimulatedSDSSampler {
public:
    enum class WriteFault {
        kNone,
        kRefuse,               // refused with `reason`
        kLoseAcknowledgement,  // stored, but the answer never comes
        kStoreAboveRange,      // stored at ID 1001 and acknowledged so
    };
    struct Faults {
        WriteFault write = WriteFault::kNone;
        int afterWrites = 0;  // writes that go through before the fault
        std::uint8_t reason = Kurzweil::kRefusedOutOfMemory;
        bool ignoreDeletes = false;  // deletes are neither done nor answered
    };
    struct Object {
        std::string name;
        Kurzweil::Bytes data;
    };

    static constexpr std::uint16_t kAboveRange = 1001;
    // Milliseconds before each answer of a sample dump.
    static constexpr std::int64_t kSDSTurnaround = 2;

    // A K2000 (member 1) or K2500 (member 2) on `device` with the OS
    // version digits a b c d.
    CSimulatedKurzweilSampler(std::uint16_t member, std::uint8_t device, std::array<std::uint8_t, 4> version);
    ~CSimulatedKurzweilSampler() override;

    void SetKurzweilFaults(const Faults& faults);
    void Put(Kurzweil::ObjectId object, Object contents);
    std::optional<Object> Find(Kurzweil::ObjectId object) const;
    // The IDs of the objects of a type, from the lowest.
    std::vector<std::uint16_t> Ids(std::uint16_t type) const;
    // Every write message taken, counting those a fault met.
    int WritesTaken() const;
    // The samples that came by SMDI.
    CSimulatedSMDITarget& SMDISamples() { return fSMDI; }

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;
    SCSIResult OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                             std::uint32_t length, std::uint32_t& moved) override;

private:
    using Key = std::pair<std::uint16_t, std::uint16_t>;

    void Answer(const Kurzweil::Bytes& message);
    void List(Kurzweil::ObjectId from);
    void Delete(Kurzweil::ObjectId object);
    void Name(Kurzweil::ObjectId object, const std::string& name);
    void Write(const Kurzweil::Bytes& message);
    void Read(Kurzweil::ObjectId object);
    void SendInfo(Kurzweil::ObjectId object, const Object& contents);
    std::uint16_t LowestFree(Kurzweil::ObjectId from) const;

    std::uint8_t fDevice;
    std::vector<std::uint8_t> fIdentityReply;
    mutable std::mutex fObjectsMutex;
    std::map<Key, Object> fObjects;
    Faults fFaults;
    int fWrites = 0;
    CSimulatedSMDITarget fSMDI{1, 1000};
};
