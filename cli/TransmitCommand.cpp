#include "cli/TransmitCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/CCliAlertPrinter.h"
#include "cli/CliBatch.h"
#include "cli/CliCommandRegistry.h"
#include "cli/CliFailure.h"
#include "cli/CliTransfer.h"
#include "cli/SlicedLoop.h"
#include "framework/alerts/Alerts.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/CABCSamplerTransfer.h"
#include "slicing/CSliceRenderSet.h"

namespace {

constexpr const char* kPrefix = "quillet-cli transmit: ";

const CliCommandRegistration kRegistration([] { return std::make_unique<TransmitCommand>(); });

}  // namespace

std::string TransmitCommand::Usage() const
{
    return "FILE [options] --to SAMPLER [--sample-number N] [--sample-name NAME] [--program-name NAME] [--program-id N] "
           "[--template NAME] [--sysex-id N] "
           "[--midi-in PORT --midi-out PORT | --scsi BUS:ID]";
}

void TransmitCommand::Define(CLI::App& command, const std::vector<std::string>&)
{
    command.add_option("file", file_, "a sound file (16-bit AIFF or WAV) or a document (.qlt)")->required();
    slicing_.Define(command);
    render_.Define(command, "the samples sent");
    sampler_.Define(command, "--to");
    command.add_option("--sample-number", sampleNumber_,
                       "the number of the first sample sent; the others follow (default: the lowest the sampler "
                       "numbers)")
        ->check(CLI::Range(0, 1 << 20))
        ->option_text("N");
    command.add_option("--sample-name", sampleName_,
                       "the samples' base name, for the samplers that name samples; the sampler numbers them when "
                       "more than one is sent (default: the sampler's own)")
        ->option_text("NAME");
    command.add_option("--program-name", programName_,
                       "the name of the program (patch, instrument, bank) built over the samples, for the samplers "
                       "that build one (default: the sampler's own)")
        ->option_text("NAME");
    command.add_option("--program-id", programId_,
                       "the number or ID of the program built, for the samplers that number them (default: the "
                       "sampler chooses)")
        ->check(CLI::Range(0, 1 << 20))
        ->option_text("N");
    command.add_option("--template", templateName_,
                       "a program in the sampler that the program built copies its settings from")
        ->option_text("NAME");
    command.add_flag("--quiet", quiet_, "no progress line on a terminal");
}

int TransmitCommand::Run()
{
    slicing_.Check();
    render_.Check();
    sampler_.Check();
    CCliAlertPrinter alerts(kPrefix, std::cerr);
    SlicedLoop loop;
    try {
        loop = SlicedLoop::Load(file_, slicing_);
    } catch (...) {
        const CliFileResult failure = FileFailure(file_, std::current_exception());
        std::cerr << kPrefix << failure.err;
        return failure.status;
    }
    if (!loop.warning.empty())
        std::cerr << kPrefix << loop.warning << '\n';
    CLoopDocument& document = *loop.document;
    render_.ApplyTo(document.Settings());
    sampler_.Connect(kPrefix);
    const std::unique_ptr<CABCSamplerTransfer> transfer = sampler_.OpenTransfer();

    TransmitRequest request;
    request.sysexId = sampler_.Sampler().SysexID();
    request.firstSampleNumber =
        sampleNumber_ >= 0 ? static_cast<std::uint32_t>(sampleNumber_) : transfer->FirstSampleNumber();
    if (request.firstSampleNumber < transfer->FirstSampleNumber() ||
        request.firstSampleNumber > transfer->LastSampleNumber())
        throw CliUsageError("--sample-number of this sampler: " + std::to_string(transfer->FirstSampleNumber()) +
                            " to " + std::to_string(transfer->LastSampleNumber()));
    request.sampleName = sampleName_;
    request.programName = programName_;
    request.templateName = templateName_;
    request.programId = programId_;
    CSliceRenderSet slices(document.Sound(), document.Slices(), document.Settings());
    slices.SetTargetRate(render_.RateFor(document.Sound().Rate()));

    const TransferOutcome outcome = RunCliTransfer(
        Res::kStringSlicesLeft, quiet_, [&](CLengthyOperation& progress) { transfer->Transmit(slices, request, progress); });
    if (outcome == TransferOutcome::kStopped)
        std::cerr << kPrefix << "nothing sent: stopped at the alert above\n";
    if (outcome != TransferOutcome::kDone)
        return kCliFileFailed;
    const auto count = static_cast<std::uint32_t>(slices.Count());
    std::cout << "sent " << count << " sample(s) to " << sampler_.Sampler().Name();
    if (const std::string built = transfer->TransmitReport(); !built.empty())
        std::cout << "; " << built;
    else if (count > 0)
        std::cout << ", numbers " << request.firstSampleNumber << " to " << request.firstSampleNumber + count - 1;
    std::cout << '\n';
    return kCliOk;
}
