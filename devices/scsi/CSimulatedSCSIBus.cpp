#include "devices/scsi/CSimulatedSCSIBus.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/time/CClock.h"

CSimulatedSCSIBus::CSimulatedSCSIBus(const std::string& busName)
    : CSCSIBus(kInterfaceName, busName, kAdapterName, kAdapterId, 8)
{
}

void CSimulatedSCSIBus::Attach(std::uint8_t id, CABCSimulatedSCSITarget& target)
{
    if (id >= kMaxTargets || id == kAdapterId)
        return;
    fSlots[id].target = &target;
    SetPresent(id, true);
}

void CSimulatedSCSIBus::Detach(std::uint8_t id)
{
    if (id >= kMaxTargets)
        return;
    fSlots[id] = Slot{};
    SetPresent(id, false);
}

void CSimulatedSCSIBus::InjectFault(std::uint8_t id, const SimulatedSCSIFault& fault, int count)
{
    if (id < kMaxTargets)
        fSlots[id].faults.insert(fSlots[id].faults.end(), std::max(count, 0), fault);
}

SCSIResult CSimulatedSCSIBus::Execute(const SCSIDevice& device, const SCSICommandBlock& command,
                                      SCSIDirection direction, std::uint8_t* buffer, std::uint32_t length)
{
    Slot& slot = fSlots[device.id];
    std::uint32_t missing = 0;
    if (!slot.faults.empty()) {
        const SimulatedSCSIFault fault = slot.faults.front();
        slot.faults.pop_front();
        switch (fault.kind) {
        case SimulatedSCSIFault::Kind::kBusy:
            return SCSIResult::Of(SCSIResult::kBusy);
        case SimulatedSCSIFault::Kind::kNotReady:
            return SCSIResult::FixedSense(2, 0x04, 0x01);  // not ready, becoming ready
        case SimulatedSCSIFault::Kind::kCheckCondition:
            return SCSIResult::FixedSense(fault.senseKey, 0);
        case SimulatedSCSIFault::Kind::kTimeOut:
            CClock::Current().Sleep(device.timeout);
            return SCSIResult::Of(SCSIResult::kTimedOut);
        case SimulatedSCSIFault::Kind::kAbsent:
            return SCSIResult::Of(SCSIResult::kNoDevice);
        case SimulatedSCSIFault::Kind::kShortTransfer:
            missing = std::min(fault.missingBytes, length);
            break;
        }
    }
    if (!slot.target)
        return SCSIResult::Of(SCSIResult::kNoDevice);

    // The target works on a buffer of its own; only what moved over the bus
    // reaches it or the caller.
    const std::uint32_t available = length - missing;
    std::vector<std::uint8_t> data(length);
    std::uint32_t moved = 0;
    SCSIResult result;
    if (direction == SCSIDirection::kOut) {
        std::copy_n(buffer, available, data.begin());
        result = slot.target->Answer(command, direction, data.data(), available, moved);
        moved = available;
    } else {
        result = slot.target->Answer(command, direction, data.data(), length, moved);
        moved = std::min(moved, available);
        std::copy_n(data.begin(), moved, buffer);
    }
    if (result.kind == SCSIResult::kGood)
        result = SCSIResult::Moved(length - moved);
    return result;
}
