#include "devices/scsi/CSGSCSIBus.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "devices/scsi/SGResultMapping.h"
#include "framework/exceptions/DeviceExceptions.h"

namespace {

std::uint16_t TargetCountOf(const SGBusDescription& description)
{
    std::uint16_t count = 8;
    for (const SGTargetNode& target : description.targets)
        count = std::max<std::uint16_t>(count, target.id >= 8 ? 16 : 8);
    return count;
}

}  // namespace

CSGSCSIBus::CSGSCSIBus(const SGBusDescription& description, std::shared_ptr<CABCSGDriver> driver)
    : CSCSIBus(kInterfaceName, description.busName, description.adapterName, kAdapterId, TargetCountOf(description)),
      fDriver(std::move(driver))
{
    for (const SGTargetNode& node : description.targets) {
        Target& target = fTargets[node.id];
        target.openError = fDriver->Open(node.node, target.handle);
        const bool refused = target.openError == EACCES || target.openError == EPERM;
        if (refused)
            fAccessProblems.push_back({node.node, OwningGroup(node.node)});
        SetPresent(node.id, target.openError == 0 || refused);
    }
}

CSGSCSIBus::~CSGSCSIBus()
{
    for (const Target& target : fTargets)
        if (target.openError == 0 && target.handle >= 0)
            fDriver->Close(target.handle);
}

SCSIResult CSGSCSIBus::Execute(const SCSIDevice& device, const SCSICommandBlock& command, SCSIDirection direction,
                               std::uint8_t* buffer, std::uint32_t length)
{
    const Target& target = fTargets[device.id];
    if (target.openError == EACCES || target.openError == EPERM)
        throw XSCSIAccessDenied();
    std::uint8_t sense[kMaxSense] = {};
    sg_io_hdr_t request;
    std::memset(&request, 0, sizeof request);
    request.interface_id = 'S';
    request.dxfer_direction = direction == SCSIDirection::kIn    ? SG_DXFER_FROM_DEV
                              : direction == SCSIDirection::kOut ? SG_DXFER_TO_DEV
                                                                 : SG_DXFER_NONE;
    request.cmd_len = static_cast<unsigned char>(command.Length());
    request.cmdp = const_cast<unsigned char*>(command.Data());
    request.mx_sb_len = sizeof sense;
    request.sbp = sense;
    request.dxfer_len = length;
    request.dxferp = length ? buffer : nullptr;
    request.timeout = device.timeout;
    return MapSGResult(fDriver->Io(target.handle, request), request);
}
