#pragma once
// quillet-cli devices [--json]: the MIDI inputs and outputs and the SCSI
// buses with their targets, as the program would find them (the stand-ins
// named in the environment included).
#include <ostream>

#include "cli/CliCommand.h"

struct DevicesOptions {
    bool json = false;
};

// Lists on `out`; problems on `errors`, one line each. Answers the exit
// status: 0 (also when there are no devices), 2 when the environment names
// an unknown stand-in, 1 when listing failed.
int ListDevices(const DevicesOptions& options, std::ostream& out, std::ostream& errors);

extern const CliCommand kDevicesCommand;
