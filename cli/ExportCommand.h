#pragma once
// quillet-cli export FILE [slicing options] [export settings] [outputs]:
// opens a loop or document, applies the settings and writes any of the
// document file, the SLX file, the groove MIDI file and the slice files.
#include "cli/CliCommand.h"

extern const CliCommand kExportCommand;
