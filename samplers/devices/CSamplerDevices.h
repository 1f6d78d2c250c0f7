#pragma once
// The MIDI ports and SCSI buses as the sampler model meets them: their
// names, the scans for samplers and the identification of one installed
// sampler. The program lists no MIDI port and no SCSI bus yet, so there is
// nothing to name, nothing answers a scan and no sampler can be identified.
#include "samplers/model/CABCConnectionDirectory.h"
#include "samplers/model/CABCSamplerIdentification.h"
#include "samplers/search/CABCSamplerScanner.h"

class CSamplerDevices : public CABCConnectionDirectory,
                        public CABCSamplerIdentification,
                        public CABCSamplerScanner {
public:
    std::uint16_t MIDIInCount() const override { return 0; }
    std::uint16_t MIDIOutCount() const override { return 0; }
    std::uint16_t SCSIBusCount() const override { return 0; }
    PortName MIDIInName(std::uint16_t) const override { return {}; }
    PortName MIDIOutName(std::uint16_t) const override { return {}; }
    BusName SCSIBusName(std::uint16_t) const override { return {}; }
    std::optional<std::uint16_t> FindMIDIIn(const PortName&) const override { return std::nullopt; }
    std::optional<std::uint16_t> FindMIDIOut(const PortName&) const override { return std::nullopt; }
    std::optional<std::uint16_t> FindSCSIBus(const BusName&) const override { return std::nullopt; }
    SCSITarget InquireSCSITarget(std::uint16_t, std::uint8_t) const override { return {}; }

    std::optional<CVersion> Identify(const CInstalledSampler&) override { return std::nullopt; }

    std::vector<MIDIFoundRecord> ScanMIDI() override { return {}; }
    std::vector<SCSIFoundRecord> ScanSCSI() override { return {}; }
};
