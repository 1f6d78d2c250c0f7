// quillet-cli, the batch tool: runs the program's loop pipeline without a window.
#include <algorithm>
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliFailure.h"
#include "cli/DevicesCommand.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/SliceCommand.h"

namespace {

const std::array<const CliCommand*, 4> kCommands = {&kInfoCommand, &kSliceCommand, &kExportCommand, &kDevicesCommand};

void PrintUsage(std::ostream& out, const CliCommand& command) {
    out << "usage: quillet-cli " << command.name << ' ' << command.usage << '\n';
}

void PrintHelp(std::ostream& out) {
    out << "quillet-cli: slices drum and rhythm loops (16-bit mono or stereo AIFF or WAV files)\n\n";
    for (const CliCommand* command : kCommands) PrintUsage(out, *command);
    out << "\n"
           "info    prints the sound's name, rate, channels, frames and length\n"
           "slice   finds the attacks of the loop and prints its slicing and tempo\n"
           "export  writes the loop's document file, SLX file, groove MIDI file or slice files\n"
           "devices lists the MIDI ports and the SCSI buses with their targets\n"
           "\n"
           "  --channel left|right|mix   which channel of a stereo file to use (left)\n"
           "  --sensitivity S            0..999: how many attacks become slices (500)\n"
           "  --bars B --beats N         the loop's musical length (1 bar, 0 beats)\n"
           "  --signature 4/4            2/4, 3/4, 4/4, 5/4, 6/8 or 7/8 (4/4)\n"
           "  --left FRAME --right FRAME the loop's locators (the whole sound)\n"
           "  --json                     one JSON object instead of a table\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(std::cout);
        return 0;
    }
    const CliCommand* const* found =
        std::find_if(kCommands.begin(), kCommands.end(), [&name](const CliCommand* c) { return name == c->name; });
    if (found == kCommands.end()) {
        std::cerr << "quillet-cli: unknown command " << name << "\n";
        PrintHelp(std::cerr);
        return 2;
    }
    const CliCommand& command = **found;
    CliArguments arguments(std::vector<std::string>(argv + 2, argv + argc));
    if (arguments.TakeFlag("help")) {
        PrintUsage(std::cout, command);
        return 0;
    }
    try {
        return command.run(arguments, std::cout);
    } catch (const CliUsageError& error) {
        std::cerr << "quillet-cli " << command.name << ": " << error.what() << '\n';
        PrintUsage(std::cerr, command);
        return 2;
    } catch (...) {
        std::cout.flush();
        std::cerr << FailureLine(arguments.File(), command.alertFor(std::current_exception())) << '\n';
        return 1;
    }
}
