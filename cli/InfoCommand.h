#pragma once
// quillet-cli info FILE: the sound's name, format, rate, channels, frames and length.
#include "cli/CliCommand.h"

extern const CliCommand kInfoCommand;
