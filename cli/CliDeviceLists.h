#pragma once
// The MIDI ports and SCSI buses as the window program lists them at
// start-up: the system's, the stand-ins, and the simulated samplers the
// environment names. The samplers go first when the lists go.
#include <ostream>
#include <string>

#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "simulators/CSimulatedSamplerRack.h"

class CliDeviceLists {
public:
    // Lists everything; each unknown stand-in or sampler family is a line
    // on `errors` after `prefix`. False when there was one.
    bool ListFromEnvironment(const std::string& prefix, std::ostream& errors);

    CMIDIPortLists ports;
    CSCSIBusTable buses;
    CSimulatedSamplerRack simulated;
};
