#pragma once
// Asks every MIDI port and every SCSI bus which samplers answer, each scan
// under its own lengthy operation. A scan the user cancels answers nothing;
// a scan shows its own alerts (ports it could not open, failures that end it).
#include <vector>

#include "samplers/search/FoundSamplerRecords.h"

class CABCSamplerScanner {
public:
    virtual ~CABCSamplerScanner() = default;

    virtual std::vector<MIDIFoundRecord> ScanMIDI() = 0;
    virtual std::vector<SCSIFoundRecord> ScanSCSI() = 0;
};
