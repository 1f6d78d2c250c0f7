#pragma once
// quillet-cli info FILE... [--json]: each sound's name, rate, channels, bits,
// frames and length; a file that the slice command would refuse fails.
#include "cli/CliBatch.h"
#include "cli/CliCommand.h"

class InfoCommand : public CliCommand {
public:
    std::string Name() const override { return "info"; }
    std::string Summary() const override { return "prints the sound's name, rate, channels, bits, frames and length"; }
    std::string Usage() const override { return "FILE... [--json]"; }
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    CliFileResult Inspect(const std::string& file) const;

    std::vector<std::string> files_;
    CliRunOptions run_;
};
