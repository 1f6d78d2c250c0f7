#pragma once
// One SCSI bus: a host adapter's channel, with the program as the initiator.
// Commands run one at a time on the user-interface thread, each within the
// device's time-out, and come back as a result record; only faults of the
// interface itself raise XSCSI. A command to an ID that was not found when
// the bus was listed answers "no device" at once.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "devices/scsi/CSCSITraceWriter.h"
#include "devices/scsi/SCSICommandBlock.h"
#include "devices/scsi/SCSIDevice.h"
#include "devices/scsi/SCSIResult.h"

class CSCSIBus {
public:
    static constexpr std::size_t kNameLength = 32;
    static constexpr std::uint8_t kMaxTargets = 32;

    // Texts longer than 32 characters are cut; `targetCount` 0 means 8.
    CSCSIBus(const std::string& interfaceName, const std::string& busName, const std::string& adapterName,
             std::uint8_t adapterId, std::uint16_t targetCount);
    virtual ~CSCSIBus() = default;
    CSCSIBus(const CSCSIBus&) = delete;
    CSCSIBus& operator=(const CSCSIBus&) = delete;

    SCSIResult ExecuteIn(const SCSIDevice& device, const SCSICommandBlock& command, std::uint8_t* buffer,
                         std::uint32_t length);
    SCSIResult ExecuteOut(const SCSIDevice& device, const SCSICommandBlock& command, const std::uint8_t* buffer,
                          std::uint32_t length);
    SCSIResult ExecuteNoData(const SCSIDevice& device, const SCSICommandBlock& command);

    const std::string& InterfaceName() const { return fInterfaceName; }
    const std::string& BusName() const { return fBusName; }
    const std::string& AdapterName() const { return fAdapterName; }
    std::uint8_t AdapterId() const { return fAdapterId; }
    std::uint16_t TargetCount() const { return fTargetCount; }
    bool IsPresent(std::uint8_t id) const { return id < kMaxTargets && fPresent[id]; }
    // Every command is logged into "<folder>/<bus name>.scsi.txt"; raises
    // XCreateFailed when that file cannot be opened.
    void TraceInto(const std::string& folder);

protected:
    void SetPresent(std::uint8_t id, bool present);
    // Runs one command on a present target; `buffer` is read for kOut and
    // written for kIn, and is not used after this returns.
    virtual SCSIResult Execute(const SCSIDevice& device, const SCSICommandBlock& command, SCSIDirection direction,
                               std::uint8_t* buffer, std::uint32_t length) = 0;

private:
    SCSIResult Run(const SCSIDevice& device, const SCSICommandBlock& command, SCSIDirection direction,
                   std::uint8_t* buffer, std::uint32_t length);

    std::string fInterfaceName;
    std::string fBusName;
    std::string fAdapterName;
    std::uint8_t fAdapterId;
    std::uint16_t fTargetCount;
    std::array<bool, kMaxTargets> fPresent{};
    std::unique_ptr<CSCSITraceWriter> fTrace;
};
