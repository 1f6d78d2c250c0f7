#pragma once
// quillet-cli export FILE... [options]: opens loops or documents, applies the
// settings and writes any of the document file, the SLX file, the groove MIDI
// file and the slice files of each, refusing any output that is an input or
// another output before anything is written.
#include "cli/CliBatch.h"
#include "cli/CliCommand.h"
#include "cli/ExportOptions.h"
#include "cli/OutputClashes.h"
#include "cli/SliceOptions.h"

struct SlicedLoop;

class ExportCommand : public CliCommand {
public:
    std::string Name() const override { return "export"; }
    std::string Summary() const override;
    std::string Usage() const override;
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    // Every output of every input, checked against the inputs and each other.
    void PlanOutputs();
    CliFileResult Export(const std::string& input) const;
    // The slice files the loop gives, checked against its other outputs and the inputs.
    void CheckSliceFiles(const std::string& input, const ExportTargets& targets, SlicedLoop& loop) const;

    std::vector<std::string> files_;
    SliceOptions slicing_;
    ExportOptions exports_;
    CliRunOptions run_;
    OutputClashes clashes_;
};
