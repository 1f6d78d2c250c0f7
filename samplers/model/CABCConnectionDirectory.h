#pragma once
// The names of the MIDI ports and SCSI buses found at start-up, by index,
// and the index of a port or bus by its stored names. Installed samplers
// keep indices; the preferences file keeps names, because the indices change
// when the machine's hardware changes.
#include <cstdint>
#include <optional>
#include <string>

class CABCConnectionDirectory {
public:
    struct PortName {
        std::string port;
        std::string driver;
    };
    struct BusName {
        std::string bus;
        std::string hostAdapter;
    };

    virtual ~CABCConnectionDirectory() = default;

    // Empty names for an index that names no port or bus.
    virtual PortName MIDIInName(std::uint16_t index) const = 0;
    virtual PortName MIDIOutName(std::uint16_t index) const = 0;
    virtual BusName SCSIBusName(std::uint16_t index) const = 0;
    virtual std::optional<std::uint16_t> FindMIDIIn(const PortName& name) const = 0;
    virtual std::optional<std::uint16_t> FindMIDIOut(const PortName& name) const = 0;
    virtual std::optional<std::uint16_t> FindSCSIBus(const BusName& name) const = 0;
};
