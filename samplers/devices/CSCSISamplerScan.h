#pragma once
// The search for samplers on the SCSI buses, under the lengthy operation
// "Scanning for SCSI samplers...": every ID of every bus but the host
// adapter's own is asked whether it is ready and what it is (INQUIRY), and
// the families read the answer. A device that fails is skipped; running out
// of memory (alert 99) or any other failure (alert 94) ends the scan with
// what it found. A cancelled scan finds nothing.
#include <vector>

#include "samplers/search/FoundSamplerRecords.h"

class CSCSIBusTable;

class CSCSISamplerScan {
public:
    static constexpr std::uint8_t kIDs = 8;
    static constexpr std::uint32_t kTimeout = 8000;

    explicit CSCSISamplerScan(const CSCSIBusTable& buses) : fBuses(buses) {}

    std::vector<SCSIFoundRecord> Run();

private:
    const CSCSIBusTable& fBuses;
};
