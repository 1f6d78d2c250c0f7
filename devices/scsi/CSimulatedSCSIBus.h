#pragma once
// A SCSI bus in the program's memory, with targets that answer command
// blocks and faults injected per target. Time passes on the program's clock,
// so a time-out costs nothing in virtual time.
#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "devices/scsi/CABCSimulatedSCSITarget.h"
#include "devices/scsi/CSCSIBus.h"
#include "devices/scsi/SimulatedSCSIFault.h"

class CSimulatedSCSIBus final : public CSCSIBus {
public:
    static constexpr const char* kInterfaceName = "Simulated";
    static constexpr const char* kAdapterName = "Simulated host adapter";
    static constexpr std::uint8_t kAdapterId = 7;

    explicit CSimulatedSCSIBus(const std::string& busName);

    // The target answers at `id` until it is detached; it must outlive that.
    void Attach(std::uint8_t id, CABCSimulatedSCSITarget& target);
    void Detach(std::uint8_t id);
    // The next `count` commands to `id` meet `fault`, after those injected before.
    void InjectFault(std::uint8_t id, const SimulatedSCSIFault& fault, int count = 1);

protected:
    SCSIResult Execute(const SCSIDevice& device, const SCSICommandBlock& command, SCSIDirection direction,
                       std::uint8_t* buffer, std::uint32_t length) override;

private:
    struct Slot {
        CABCSimulatedSCSITarget* target = nullptr;
        std::deque<SimulatedSCSIFault> faults;
    };

    std::array<Slot, kMaxTargets> fSlots;
};
