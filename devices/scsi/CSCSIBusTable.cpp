#include "devices/scsi/CSCSIBusTable.h"

#include <cstdlib>
#include <sstream>

#include "devices/scsi/CLinuxSGDriver.h"
#include "devices/scsi/CSGSCSIBus.h"
#include "devices/scsi/CSimulatedSCSIBus.h"
#include "framework/exceptions/DeviceExceptions.h"

CSCSIBusTable::CSCSIBusTable() = default;
CSCSIBusTable::~CSCSIBusTable() = default;

std::vector<std::string> CSCSIBusTable::ListBuses(const std::string& standIns, const std::string& traceFolder)
{
    fTraceFolder = traceFolder;
    ListSGBuses("/sys", "/dev", std::make_shared<CLinuxSGDriver>());
    return ListStandInBuses(standIns);
}

std::vector<std::string> CSCSIBusTable::ListBusesFromEnvironment()
{
    const char* standIns = std::getenv(kStandInVariable);
    const char* traceFolder = std::getenv(kTraceVariable);
    return ListBuses(standIns ? standIns : "", traceFolder ? traceFolder : "");
}

void CSCSIBusTable::ListSGBuses(const std::string& sysRoot, const std::string& devRoot,
                                std::shared_ptr<CABCSGDriver> driver)
{
    for (const SGBusDescription& description : ScanSGBuses(sysRoot, devRoot)) {
        auto bus = std::make_unique<CSGSCSIBus>(description, driver);
        fAccessProblems.insert(fAccessProblems.end(), bus->AccessProblems().begin(), bus->AccessProblems().end());
        AddBus(std::move(bus));
    }
}

std::vector<std::string> CSCSIBusTable::ListStandInBuses(const std::string& standIns)
{
    std::vector<std::string> unknown;
    std::istringstream list(standIns);
    std::string item;
    while (std::getline(list, item, ',')) {
        if (item == "simulated")
            AddBus(std::make_unique<CSimulatedSCSIBus>(kSimulatedBusName));
        else if (!item.empty())
            unknown.push_back(item);
    }
    return unknown;
}

std::size_t CSCSIBusTable::AddBus(std::unique_ptr<CSCSIBus> bus)
{
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        if (fSlots[slot])
            continue;
        if (!fTraceFolder.empty())
            bus->TraceInto(fTraceFolder);
        fSlots[slot] = std::move(bus);
        return slot;
    }
    throw XSCSI();
}

void CSCSIBusTable::RemoveBuses(const std::string& interfaceName)
{
    for (auto& slot : fSlots)
        if (slot && slot->InterfaceName() == interfaceName)
            slot.reset();
}

std::uint16_t CSCSIBusTable::BusCount() const
{
    std::uint16_t count = 0;
    for (const auto& slot : fSlots)
        count += slot ? 1 : 0;
    return count;
}

CSCSIBus* CSCSIBusTable::BusAt(std::uint16_t index) const
{
    for (const auto& slot : fSlots)
        if (slot && index-- == 0)
            return slot.get();
    return nullptr;
}

SCSIDevice CSCSIBusTable::Device(std::uint16_t busIndex, std::uint8_t id, std::uint32_t timeout) const
{
    return SCSIDevice{BusAt(busIndex), id, timeout};
}
