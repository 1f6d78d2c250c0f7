#include "devices/scsi/SCSICommands.h"

#include "devices/scsi/CSCSIBus.h"
#include "framework/exceptions/DeviceExceptions.h"

namespace {

constexpr std::uint8_t kTestUnitReady = 0x00;
constexpr std::uint8_t kInquiry = 0x12;

CSCSIBus& BusOf(const SCSIDevice& device)
{
    if (!device.bus)
        throw XSCSI();
    return *device.bus;
}

}  // namespace

SCSIResult ExecuteIn(const SCSIDevice& device, const SCSICommandBlock& command, std::uint8_t* buffer,
                     std::uint32_t length)
{
    return BusOf(device).ExecuteIn(device, command, buffer, length);
}

SCSIResult ExecuteOut(const SCSIDevice& device, const SCSICommandBlock& command, const std::uint8_t* buffer,
                      std::uint32_t length)
{
    return BusOf(device).ExecuteOut(device, command, buffer, length);
}

SCSIResult ExecuteNoData(const SCSIDevice& device, const SCSICommandBlock& command)
{
    return BusOf(device).ExecuteNoData(device, command);
}

bool IsReady(const SCSIDevice& device)
{
    return ExecuteNoData(device, SCSICommandBlock(kTestUnitReady)).kind == SCSIResult::kGood;
}

SCSIResult Inquire(const SCSIDevice& device, std::uint8_t length, std::uint8_t* buffer)
{
    SCSICommandBlock command(kInquiry);
    command[4] = length;
    return ExecuteIn(device, command, buffer, length);
}

std::optional<SCSIInquiry> InquireIdentity(const SCSIDevice& device)
{
    std::uint8_t data[SCSIInquiry::kLength] = {};
    const SCSIResult result = Inquire(device, SCSIInquiry::kLength, data);
    if (result.kind != SCSIResult::kGood && result.kind != SCSIResult::kShort)
        return std::nullopt;
    const std::uint32_t received = SCSIInquiry::kLength - std::min<std::uint32_t>(result.residual, SCSIInquiry::kLength);
    return ParseInquiry(data, received);
}
