#pragma once
// quillet-cli receive --from SAMPLER --sample N --out FILE.wav|.aif
// [--save DOC.qlt] [--channel left|mix|right] [--sysex-id N] [--midi-in PORT
// --midi-out PORT | --scsi BUS:ID]: fetches one sample from the sampler and
// writes it as a sound file, and as a sliced document when asked, as the
// receive dialog opens it in a new window.
#include "cli/CliCommand.h"
#include "cli/CliSampler.h"

class ReceiveCommand : public CliCommand {
public:
    std::string Name() const override { return "receive"; }
    std::string Summary() const override { return "fetches one sample from a sampler into a sound file"; }
    std::string Usage() const override;
    void Define(CLI::App& command, const std::vector<std::string>& arguments) override;
    int Run() override;

private:
    CliSampler sampler_;
    std::int64_t sampleNumber_ = 0;
    std::string out_;
    std::string save_;
    std::string channel_ = "left";
    bool quiet_ = false;
};
