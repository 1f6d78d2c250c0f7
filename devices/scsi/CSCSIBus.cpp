#include "devices/scsi/CSCSIBus.h"

#include <algorithm>

#include "framework/time/CClock.h"

CSCSIBus::CSCSIBus(const std::string& interfaceName, const std::string& busName, const std::string& adapterName,
                   std::uint8_t adapterId, std::uint16_t targetCount)
    : fInterfaceName(interfaceName.substr(0, kNameLength)), fBusName(busName.substr(0, kNameLength)),
      fAdapterName(adapterName.substr(0, kNameLength)), fAdapterId(adapterId),
      fTargetCount(targetCount ? targetCount : 8)
{
}

SCSIResult CSCSIBus::ExecuteIn(const SCSIDevice& device, const SCSICommandBlock& command, std::uint8_t* buffer,
                               std::uint32_t length)
{
    return Run(device, command, SCSIDirection::kIn, buffer, length);
}

SCSIResult CSCSIBus::ExecuteOut(const SCSIDevice& device, const SCSICommandBlock& command,
                                const std::uint8_t* buffer, std::uint32_t length)
{
    // Data out is only read.
    return Run(device, command, SCSIDirection::kOut, const_cast<std::uint8_t*>(buffer), length);
}

SCSIResult CSCSIBus::ExecuteNoData(const SCSIDevice& device, const SCSICommandBlock& command)
{
    return Run(device, command, SCSIDirection::kNone, nullptr, 0);
}

void CSCSIBus::TraceInto(const std::string& folder)
{
    fTrace = std::make_unique<CSCSITraceWriter>(CSCSITraceWriter::PathFor(folder, fBusName));
}

void CSCSIBus::SetPresent(std::uint8_t id, bool present)
{
    if (id < kMaxTargets)
        fPresent[id] = present;
}

SCSIResult CSCSIBus::Run(const SCSIDevice& device, const SCSICommandBlock& command, SCSIDirection direction,
                         std::uint8_t* buffer, std::uint32_t length)
{
    if (!buffer)
        length = 0;
    const SCSIResult result = IsPresent(device.id) ? Execute(device, command, direction, buffer, length)
                                                   : SCSIResult::Of(SCSIResult::kNoDevice);
    if (fTrace) {
        const bool moved = result.kind == SCSIResult::kGood || result.kind == SCSIResult::kShort;
        const std::uint32_t count =
            direction == SCSIDirection::kOut ? length : moved ? length - std::min(result.residual, length) : 0;
        fTrace->Record(CClock::Current().Milliseconds(), device.id, command, direction, length, result, buffer, count);
    }
    return result;
}
