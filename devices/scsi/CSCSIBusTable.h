#pragma once
// The SCSI buses found at start-up, in 30 slots. The bus index used
// everywhere else counts only the filled slots: index n is the n-th filled
// slot in slot order. Listing also notes the SCSI devices the user may not
// open, so that the program can say which group to join.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/scsi/CSCSIBus.h"
#include "devices/scsi/SCSIAccessProblem.h"

class CABCSGDriver;

class CSCSIBusTable {
public:
    static constexpr std::size_t kSlots = 30;
    // Names the stand-in buses to list: "simulated".
    static constexpr const char* kStandInVariable = "QUILLET_SCSI_BUSES";
    // A folder for a text log of every command on every bus.
    static constexpr const char* kTraceVariable = "QUILLET_SCSI_TRACE";
    static constexpr const char* kSimulatedBusName = "Simulated SCSI bus";

    CSCSIBusTable();
    ~CSCSIBusTable();

    // Start-up listing: the buses of the Linux SCSI generic devices, then the
    // stand-ins named in `standIns` (separated by commas); every bus logs its
    // commands into `traceFolder` when it is not empty. Answers the stand-in
    // names it does not know.
    std::vector<std::string> ListBuses(const std::string& standIns, const std::string& traceFolder);
    // The same with the stand-ins and the trace folder the environment names.
    std::vector<std::string> ListBusesFromEnvironment();
    // `sysRoot` and `devRoot` stand for /sys and /dev.
    void ListSGBuses(const std::string& sysRoot, const std::string& devRoot, std::shared_ptr<CABCSGDriver> driver);
    std::vector<std::string> ListStandInBuses(const std::string& standIns);

    // The slot the bus went into; raises XSCSI when every slot is taken.
    std::size_t AddBus(std::unique_ptr<CSCSIBus> bus);
    // Deletes every bus of this interface.
    void RemoveBuses(const std::string& interfaceName);

    std::uint16_t BusCount() const;
    // The bus of index `index`, or none.
    CSCSIBus* BusAt(std::uint16_t index) const;
    // The address of target `id` on bus `busIndex` (no bus when the index names none).
    SCSIDevice Device(std::uint16_t busIndex, std::uint8_t id, std::uint32_t timeout) const;
    const std::vector<SCSIAccessProblem>& AccessProblems() const { return fAccessProblems; }

private:
    std::string fTraceFolder;
    std::array<std::unique_ptr<CSCSIBus>, kSlots> fSlots;
    std::vector<SCSIAccessProblem> fAccessProblems;
};
