#include "samplers/devices/InquireReadyDevice.h"

#include "devices/scsi/SCSICommands.h"

std::optional<InquiryIdentity> InquireReadyDevice(const SCSIDevice& device)
{
    if (!IsReady(device))
        return std::nullopt;
    const std::optional<SCSIInquiry> inquiry = InquireIdentity(device);
    if (!inquiry)
        return std::nullopt;
    return InquiryIdentity{inquiry->PeripheralType(), inquiry->vendor, inquiry->product, inquiry->revision};
}
