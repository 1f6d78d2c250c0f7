#pragma once
// The SMDI link to one sampler on a SCSI bus: messages go out with SCSI
// command 0A (send) and come back with 08 (receive), each carrying the
// message length. Failures of the bus come out as XSMDI exceptions.
#include <cstdint>

#include "devices/scsi/SCSIDevice.h"
#include "samplers/smdi/SMDIMessage.h"

class CSMDI {
public:
    // Every device of a sampler is opened with this time-out.
    static constexpr std::uint32_t kTimeout = 8000;
    // Busy and absent answers are asked again, this many times in all.
    static constexpr int kAttempts = 5;
    // While the sampler answers "wait": test it for ready this often, and
    // at most this many times in one await (20 seconds).
    static constexpr std::int64_t kWaitInterval = 125;
    static constexpr int kWaitRounds = 160;

    // The device with the SMDI time-out.
    static SCSIDevice DeviceAt(CSCSIBus* bus, std::uint8_t id) { return SCSIDevice{bus, id, kTimeout}; }

    explicit CSMDI(const SCSIDevice& device) : fDevice(device) {}

    const SCSIDevice& Device() const { return fDevice; }

    // Raises XSMDISCSIErrorSenseKeyAborted when the sampler aborts the
    // command, XSMDISCSICommunicationException when it stays busy or the
    // command fails otherwise.
    void SendMessage(const SMDIMessage& message);
    // One message of at most `maximumLength` bytes; XSMDIMessageInvalid when
    // what came is none, else the exceptions of SendMessage.
    SMDIMessage ReadMessage(std::uint32_t maximumLength);
    // ReadMessage, waiting while the sampler answers "wait": then the device
    // is tested until it is ready and read again; XSMDIWaitTimedOut when it
    // keeps the program waiting for longer than 20 seconds.
    SMDIMessage AwaitMessage(std::uint32_t maximumLength);

private:
    SCSIDevice fDevice;
};
