#pragma once
// One command of the batch tool. Each command lives in its own file, defines
// its options on its own sub-command of the command line, and registers
// itself (CliCommandRegistry), so that a new command is one new file.
#include <string>
#include <vector>

namespace CLI {
class App;
}

class CliCommand {
public:
    virtual ~CliCommand() = default;

    virtual std::string Name() const = 0;
    // One line for the tool's help.
    virtual std::string Summary() const = 0;
    // The arguments after the command's name, for usage lines ("FILE... [options]").
    virtual std::string Usage() const = 0;
    // Adds the command's options and arguments, each with its range and
    // default in its help text, to its sub-command. arguments are the words
    // of the command line, for options whose form depends on another one.
    virtual void Define(CLI::App& command, const std::vector<std::string>& arguments) = 0;
    // Runs after the command line was parsed; answers the exit status
    // (CliStatus). Throws CliUsageError for values that do not go together.
    virtual int Run() = 0;
};
