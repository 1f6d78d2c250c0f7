#pragma once
// The arguments of one command of the batch tool, taken option by option, so
// that every command can share the parsing of the options it has in common.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A command line that does not fit the command's usage.
class CliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CliArguments {
public:
    explicit CliArguments(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

    // True when --name is present (it is taken away).
    bool TakeFlag(const std::string& name);
    // The text after --name (both are taken away); nothing when --name is absent.
    std::optional<std::string> TakeValue(const std::string& name);
    // The whole number after --name within [low, high]; nothing when absent.
    std::optional<std::int64_t> TakeNumber(const std::string& name, std::int64_t low, std::int64_t high);
    // The one argument left that is not an option, after every option was taken;
    // CliUsageError when there is none, more than one, or an unknown option is left.
    std::string TakeFile();
    // The arguments not taken yet.
    const std::vector<std::string>& Remaining() const { return arguments_; }
    // The file TakeFile answered (empty before).
    const std::string& File() const { return file_; }

private:
    std::vector<std::string> arguments_;
    std::string file_;
};
