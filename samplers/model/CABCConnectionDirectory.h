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
    // What answers at one ID of a SCSI bus.
    struct SCSITarget {
        enum class State { kHostAdapter, kReady, kNotReady };
        State state = State::kNotReady;
        std::string vendor;   // of a ready device's INQUIRY
        std::string product;
    };
    static constexpr std::uint8_t kSCSIIDs = 8;

    virtual ~CABCConnectionDirectory() = default;

    virtual std::uint16_t MIDIInCount() const = 0;
    virtual std::uint16_t MIDIOutCount() const = 0;
    virtual std::uint16_t SCSIBusCount() const = 0;
    // Empty names for an index that names no port or bus.
    virtual PortName MIDIInName(std::uint16_t index) const = 0;
    virtual PortName MIDIOutName(std::uint16_t index) const = 0;
    virtual BusName SCSIBusName(std::uint16_t index) const = 0;
    virtual std::optional<std::uint16_t> FindMIDIIn(const PortName& name) const = 0;
    virtual std::optional<std::uint16_t> FindMIDIOut(const PortName& name) const = 0;
    virtual std::optional<std::uint16_t> FindSCSIBus(const BusName& name) const = 0;
    // Asks the device at id on the bus what it is (an INQUIRY of 36 bytes).
    virtual SCSITarget InquireSCSITarget(std::uint16_t bus, std::uint8_t id) const = 0;
};
