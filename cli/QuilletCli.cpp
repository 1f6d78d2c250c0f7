// quillet-cli, the batch tool: runs the program's loop pipeline without a
// window, over any number of files on every core.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommandRegistry.h"
#include "cli/CliFailure.h"

namespace {

const char* const kExitStatus =
    "Exit status: 0 when every file was done; 1 when a file failed (a line on standard error names it and says "
    "why; the other files are still done); 2 when the command line is wrong or asks for what cannot be done "
    "(locators past the end of a sound, an output that is an input or another output, no musical length for an "
    "SLX or MIDI file).";

std::string UsageLine(const CliCommand& command) {
    return "usage: quillet-cli " + command.Name() + " " + command.Usage() + "\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CLI::App app("quillet-cli: slices drum and rhythm loops (16-bit mono or stereo AIFF or WAV files)", "quillet-cli");
    app.set_version_flag("--version", "quillet-cli " QUILLET_VERSION);
    app.require_subcommand(1);
    app.get_formatter()->column_width(36);

    std::vector<std::unique_ptr<CliCommand>> commands = CliCommandRegistry::Commands();
    std::string usage;
    for (const auto& command : commands) usage += UsageLine(*command);
    app.footer(usage + "\n'quillet-cli COMMAND --help' lists every option of a command.\n\n" + kExitStatus);
    std::vector<std::pair<CLI::App*, CliCommand*>> bound;
    for (const auto& command : commands) {
        CLI::App* sub = app.add_subcommand(command->Name(), command->Summary());
        sub->footer(kExitStatus);
        command->Define(*sub, arguments);
        bound.emplace_back(sub, command.get());
    }

    CliCommand* chosen = nullptr;
    try {
        app.parse(argc, argv);
        for (const auto& [sub, command] : bound)
            if (sub->parsed()) chosen = command;
        if (chosen) return chosen->Run();
    } catch (const CLI::Success& success) {
        return app.exit(success);  // --help, --version
    } catch (const CLI::ParseError& error) {
        for (const auto& [sub, command] : bound)
            if (sub->parsed()) chosen = command;
        std::cerr << "quillet-cli: " << error.what() << '\n' << (chosen ? UsageLine(*chosen) : usage);
        return kCliUsage;
    } catch (const CliUsageError& error) {
        std::cerr << "quillet-cli " << chosen->Name() << ": " << error.what() << '\n' << UsageLine(*chosen);
        return kCliUsage;
    } catch (const std::exception& error) {
        std::cerr << "quillet-cli: " << error.what() << '\n';
        return kCliFileFailed;
    }
    std::cerr << usage;
    return kCliUsage;
}
