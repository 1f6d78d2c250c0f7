#pragma once
// One command of the batch tool: its name, its usage line and what it does.
#include <exception>
#include <ostream>

#include "cli/CliArguments.h"
#include "resources/CaravelResources.h"

struct CliCommand {
    const char* name;
    // The arguments after the command's name, e.g. "FILE [--json]".
    const char* usage;
    // Runs the command; the answer is the exit status. Throws CliUsageError for
    // a command line that does not fit, and any program failure as it is.
    int (*run)(CliArguments& arguments, std::ostream& out);
    // The alert that tells the user why the command failed on its file.
    ResourceId (*alertFor)(const std::exception_ptr& failure);
};
