#pragma once
// A target on the simulated SCSI bus: it answers command blocks.
#include <cstdint>

#include "devices/scsi/SCSICommandBlock.h"
#include "devices/scsi/SCSIResult.h"

class CABCSimulatedSCSITarget {
public:
    virtual ~CABCSimulatedSCSITarget() = default;
    // Runs one command. For kIn, writes at most `length` bytes of `data` and
    // sets `moved` to how many; for kOut, reads the `length` bytes of `data`.
    virtual SCSIResult Answer(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                              std::uint32_t length, std::uint32_t& moved) = 0;
};
