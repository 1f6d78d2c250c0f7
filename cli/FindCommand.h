#pragma once
// quillet-cli find [--json]: searches the MIDI ports and SCSI buses (with
// the stand-ins and simulated samplers the environment names) and prints
// the samplers that answer: type, port or bus, ID and OS version.
#include "cli/CliCommand.h"

class FindCommand : public CliCommand {
public:
    std::string Name() const override { return "find"; }
    std::string Summary() const override
    {
        return "searches the MIDI ports and SCSI buses for samplers and lists those that answer";
    }
    std::string Usage() const override { return "[--json]"; }
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    bool json_ = false;
    CLI::App* command_ = nullptr;
};
