#pragma once
// What the scans of the MIDI ports and SCSI buses report: one record per
// sampler that answered.
#include <cstdint>

#include "samplers/model/CVersion.h"

struct MIDIFoundRecord {
    std::uint16_t out = 0;  // MIDI Out port index
    std::uint16_t in = 0;   // MIDI In port index the answer came on
    std::uint8_t sysexId = 0;
    std::uint32_t typeId = 0;
    CVersion version = CVersion::Unknown();
};

struct SCSIFoundRecord {
    std::uint8_t scsiId = 0;
    std::uint16_t bus = 0;
    std::uint32_t typeId = 0;
    CVersion version = CVersion::Unknown();
};
