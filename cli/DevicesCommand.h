#pragma once
// quillet-cli devices [--json]: the MIDI inputs and outputs and the SCSI
// buses with their targets, as the program would find them (the stand-ins
// named in the environment included).
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

struct DevicesOptions {
    bool json = false;
};

// Lists on `out`; problems on `errors`, one line each. Answers the exit
// status: 0 (also when there are no devices), 2 when the environment names
// an unknown stand-in, 1 when listing failed.
int ListDevices(const DevicesOptions& options, std::ostream& out, std::ostream& errors);

class DevicesCommand : public CliCommand {
public:
    std::string Name() const override { return "devices"; }
    std::string Summary() const override { return "lists the MIDI ports and the SCSI buses with their targets"; }
    std::string Usage() const override { return "[--json]"; }
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    DevicesOptions options_;
    CLI::App* command_ = nullptr;
};
