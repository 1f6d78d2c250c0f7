#pragma once
// A SCSI address: the bus, the target ID on it, and how long a command to it
// may take. Copied by value; the bus belongs to the bus table.
#include <cstdint>

class CSCSIBus;

struct SCSIDevice {
    CSCSIBus* bus = nullptr;  // none when the bus index named no bus
    std::uint8_t id = 0;
    std::uint32_t timeout = 0;  // milliseconds
};
