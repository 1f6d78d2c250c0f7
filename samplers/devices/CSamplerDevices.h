#pragma once
// The MIDI ports and SCSI buses as the sampler model meets them: their
// names and the SCSI targets' answers, the scans for samplers, and the
// identification that verifies one installed sampler.
#include "samplers/devices/CDeviceSamplerIdentification.h"
#include "samplers/model/CABCConnectionDirectory.h"
#include "samplers/search/CABCSamplerScanner.h"

class CMIDIPortLists;
class CSCSIBusTable;

class CSamplerDevices : public CABCConnectionDirectory, public CABCSamplerScanner {
public:
    CSamplerDevices(const CMIDIPortLists& ports, const CSCSIBusTable& buses)
        : fPorts(ports), fBuses(buses), fIdentification(ports, buses)
    {
    }

    std::uint16_t MIDIInCount() const override;
    std::uint16_t MIDIOutCount() const override;
    std::uint16_t SCSIBusCount() const override;
    PortName MIDIInName(std::uint16_t index) const override;
    PortName MIDIOutName(std::uint16_t index) const override;
    BusName SCSIBusName(std::uint16_t index) const override;
    std::optional<std::uint16_t> FindMIDIIn(const PortName& name) const override;
    std::optional<std::uint16_t> FindMIDIOut(const PortName& name) const override;
    std::optional<std::uint16_t> FindSCSIBus(const BusName& name) const override;
    SCSITarget InquireSCSITarget(std::uint16_t bus, std::uint8_t id) const override;

    std::vector<MIDIFoundRecord> ScanMIDI() override;
    std::vector<SCSIFoundRecord> ScanSCSI() override;

    CABCSamplerIdentification& Identification() { return fIdentification; }

private:
    const CMIDIPortLists& fPorts;
    const CSCSIBusTable& fBuses;
    CDeviceSamplerIdentification fIdentification;
};
