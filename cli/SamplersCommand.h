#pragma once
// quillet-cli samplers [--json]: the supported sampler types in the order of
// the Add Sampler list, with their family and how they are reached.
#include "cli/CliCommand.h"

class SamplersCommand : public CliCommand {
public:
    std::string Name() const override { return "samplers"; }
    std::string Summary() const override { return "lists the supported sampler types: name, family and transport"; }
    std::string Usage() const override { return "[--json]"; }
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    bool json_ = false;
    CLI::App* command_ = nullptr;
};
