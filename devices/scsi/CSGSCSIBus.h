#pragma once
// A SCSI bus over the Linux SCSI generic driver: every target's /dev/sg*
// node is opened when the bus is made, and each command is one SG_IO request
// built afresh with the device's time-out. A node the user may not open is
// kept as a present target whose commands raise XSCSIAccessDenied, and is
// reported as an access problem.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "devices/scsi/CABCSGDriver.h"
#include "devices/scsi/CSCSIBus.h"
#include "devices/scsi/SCSIAccessProblem.h"
#include "devices/scsi/SGBusScan.h"

class CSGSCSIBus final : public CSCSIBus {
public:
    static constexpr const char* kInterfaceName = "SG_IO";
    // Linux does not tell the initiator's own ID; 7 is the usual one.
    static constexpr std::uint8_t kAdapterId = 7;
    static constexpr std::uint8_t kMaxSense = 32;

    CSGSCSIBus(const SGBusDescription& description, std::shared_ptr<CABCSGDriver> driver);
    ~CSGSCSIBus() override;

    const std::vector<SCSIAccessProblem>& AccessProblems() const { return fAccessProblems; }

protected:
    SCSIResult Execute(const SCSIDevice& device, const SCSICommandBlock& command, SCSIDirection direction,
                       std::uint8_t* buffer, std::uint32_t length) override;

private:
    struct Target {
        int handle = -1;
        int openError = 0;
    };

    std::shared_ptr<CABCSGDriver> fDriver;
    std::array<Target, kMaxTargets> fTargets;
    std::vector<SCSIAccessProblem> fAccessProblems;
};
