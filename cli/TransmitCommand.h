#pragma once
// quillet-cli transmit FILE [slicing and render options] --to SAMPLER
// [--sample-number N] [--sample-name NAME] [--program-name NAME] [--program-id N]
// [--template NAME] [--sysex-id N] [--midi-in PORT --midi-out PORT |
// --scsi BUS:ID]: opens a loop as export does and sends each rendered
// slice to the sampler as one sample, in the render set's order, numbered
// from the first sample number, as the transmit dialog sends them.
#include "cli/CliCommand.h"
#include "cli/CliSampler.h"
#include "cli/RenderOptions.h"
#include "cli/SliceOptions.h"

class TransmitCommand : public CliCommand {
public:
    std::string Name() const override { return "transmit"; }
    std::string Summary() const override { return "sends the loop's slices to a sampler, one sample per slice"; }
    std::string Usage() const override;
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    std::string file_;
    SliceOptions slicing_;
    RenderOptions render_;
    CliSampler sampler_;
    std::int64_t sampleNumber_ = -1;
    std::string sampleName_;
    std::string programName_;
    std::string templateName_;
    std::int32_t programId_ = -1;
    bool quiet_ = false;
};
