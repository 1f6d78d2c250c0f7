#pragma once
// quillet-cli sysinfo: the system information the window program shows in
// Help > System Information, as the same text.
#include "cli/CliCommand.h"

class SysinfoCommand : public CliCommand {
public:
    std::string Name() const override { return "sysinfo"; }
    std::string Summary() const override
    {
        return "prints the operating system, processor, memory and sound drivers and cards";
    }
    std::string Usage() const override { return ""; }
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    CLI::App* command_ = nullptr;
};
