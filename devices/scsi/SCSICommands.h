#pragma once
// Running commands on a device, and the two generic commands every sampler
// family uses. A device without a bus raises XSCSI.
#include <cstdint>
#include <optional>

#include "devices/scsi/SCSICommandBlock.h"
#include "devices/scsi/SCSIDevice.h"
#include "devices/scsi/SCSIInquiry.h"
#include "devices/scsi/SCSIResult.h"

SCSIResult ExecuteIn(const SCSIDevice& device, const SCSICommandBlock& command, std::uint8_t* buffer,
                     std::uint32_t length);
SCSIResult ExecuteOut(const SCSIDevice& device, const SCSICommandBlock& command, const std::uint8_t* buffer,
                      std::uint32_t length);
SCSIResult ExecuteNoData(const SCSIDevice& device, const SCSICommandBlock& command);

// TEST UNIT READY: whether the result is good.
bool IsReady(const SCSIDevice& device);
// INQUIRY with allocation length `length` (at most 255), data in.
SCSIResult Inquire(const SCSIDevice& device, std::uint8_t length, std::uint8_t* buffer);
// A 36-byte INQUIRY, parsed from the bytes that came in; none when the
// command did not succeed.
std::optional<SCSIInquiry> InquireIdentity(const SCSIDevice& device);
