#pragma once
// quillet-cli slice FILE... [slicing options] [--json]: analyses each loop and
// prints every slice point with its level and state, and the loop's tempo.
#include "cli/CliBatch.h"
#include "cli/CliCommand.h"
#include "cli/SliceOptions.h"

class SliceCommand : public CliCommand {
public:
    std::string Name() const override { return "slice"; }
    std::string Summary() const override { return "finds the attacks of the loop and prints its slicing and tempo"; }
    std::string Usage() const override { return "FILE... [options] [--json]"; }
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    CliFileResult Slice(const std::string& file) const;

    std::vector<std::string> files_;
    SliceOptions slicing_;
    CliRunOptions run_;
};
