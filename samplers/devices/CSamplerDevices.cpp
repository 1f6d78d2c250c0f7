#include "samplers/devices/CSamplerDevices.h"

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBus.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "samplers/devices/CMIDISamplerScan.h"
#include "samplers/devices/CSCSISamplerScan.h"
#include "samplers/devices/InquireReadyDevice.h"

namespace {

std::optional<std::uint16_t> Found(std::uint16_t index)
{
    return index == CMIDIPortLists::kNotFound ? std::nullopt : std::optional<std::uint16_t>(index);
}

}  // namespace

std::uint16_t CSamplerDevices::MIDIInCount() const
{
    return fPorts.InputCount();
}

std::uint16_t CSamplerDevices::MIDIOutCount() const
{
    return fPorts.OutputCount();
}

std::uint16_t CSamplerDevices::SCSIBusCount() const
{
    return fBuses.BusCount();
}

CABCConnectionDirectory::PortName CSamplerDevices::MIDIInName(std::uint16_t index) const
{
    if (index >= fPorts.InputCount())
        return {};
    return {fPorts.InputAt(index).PortName(), fPorts.InputAt(index).DriverName()};
}

CABCConnectionDirectory::PortName CSamplerDevices::MIDIOutName(std::uint16_t index) const
{
    if (index >= fPorts.OutputCount())
        return {};
    return {fPorts.OutputAt(index).PortName(), fPorts.OutputAt(index).DriverName()};
}

CABCConnectionDirectory::BusName CSamplerDevices::SCSIBusName(std::uint16_t index) const
{
    const CSCSIBus* bus = fBuses.BusAt(index);
    return bus ? BusName{bus->BusName(), bus->AdapterName()} : BusName{};
}

std::optional<std::uint16_t> CSamplerDevices::FindMIDIIn(const PortName& name) const
{
    return Found(fPorts.FindInput(name.port, name.driver));
}

std::optional<std::uint16_t> CSamplerDevices::FindMIDIOut(const PortName& name) const
{
    return Found(fPorts.FindOutput(name.port, name.driver));
}

std::optional<std::uint16_t> CSamplerDevices::FindSCSIBus(const BusName& name) const
{
    for (std::uint16_t i = 0; i < fBuses.BusCount(); ++i)
        if (fBuses.BusAt(i)->BusName() == name.bus && fBuses.BusAt(i)->AdapterName() == name.hostAdapter)
            return i;
    return std::nullopt;
}

CABCConnectionDirectory::SCSITarget CSamplerDevices::InquireSCSITarget(std::uint16_t bus, std::uint8_t id) const
{
    const CSCSIBus* found = fBuses.BusAt(bus);
    if (found && id == found->AdapterId())
        return {SCSITarget::State::kHostAdapter, "", ""};
    try {
        if (const auto inquiry = InquireReadyDevice(fBuses.Device(bus, id, CDeviceSamplerIdentification::kSCSITimeout)))
            return {SCSITarget::State::kReady, inquiry->vendor, inquiry->product};
    } catch (const XSCSI&) {
    }
    return {};
}

std::vector<MIDIFoundRecord> CSamplerDevices::ScanMIDI()
{
    return CMIDISamplerScan(fPorts).Run();
}

std::vector<SCSIFoundRecord> CSamplerDevices::ScanSCSI()
{
    return CSCSISamplerScan(fBuses).Run();
}
