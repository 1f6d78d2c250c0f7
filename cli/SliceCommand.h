#pragma once
// quillet-cli slice FILE [slicing options] [--json]: analyses a loop and
// prints every slice point with its level and state, and the loop's tempo.
#include "cli/CliCommand.h"

extern const CliCommand kSliceCommand;
