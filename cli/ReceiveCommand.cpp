#include "cli/ReceiveCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/CCliAlertPrinter.h"
#include "cli/CliCommandRegistry.h"
#include "cli/CliFailure.h"
#include "cli/CliTransfer.h"
#include "cli/SliceOptions.h"
#include "document/export/CLoopDocument.h"
#include "document/export/DocumentFile.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "formats/sound/AIFFFile.h"
#include "formats/sound/WAVFile.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/transfer/CABCSamplerTransfer.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr const char* kPrefix = "quillet-cli receive: ";

const CliCommandRegistration kRegistration([] { return std::make_unique<ReceiveCommand>(); });

ReceivedChannel ChannelOf(const std::string& name)
{
    return name == "right" ? ReceivedChannel::kRight : name == "mix" ? ReceivedChannel::kMix : ReceivedChannel::kLeft;
}

}  // namespace

std::string ReceiveCommand::Usage() const
{
    return "--from SAMPLER --sample N --out FILE.wav|FILE.aif [--save DOC.qlt] [options]";
}

void ReceiveCommand::Define(CLI::App& command, const std::vector<std::string>&)
{
    sampler_.Define(command, "--from");
    command.add_option("--sample", sampleNumber_, "the number of the sample to fetch")
        ->required()
        ->check(CLI::Range(0, 1 << 20))
        ->option_text("N");
    command.add_option("--out", out_, "the sound file to write: .wav or .aif (a file there is replaced)")
        ->required()
        ->option_text("FILE");
    command.add_option("--save", save_, "also write the sample, sliced, as a document")->option_text("DOC.qlt");
    command.add_option("--channel", channel_, "the channel of a stereo sample to keep: left, mix or right "
                                              "(default left)")
        ->check(CLI::IsMember({"left", "mix", "right"}))
        ->option_text("left|mix|right");
    command.add_flag("--quiet", quiet_, "no progress line on a terminal");
}

int ReceiveCommand::Run()
{
    sampler_.Check();
    const CFileSpec out(out_);
    const bool wav = kWaveFileType.Matches(out.Extension());
    if (!wav && !kAIFFFileType.Matches(out.Extension()))
        throw CliUsageError("--out takes a .wav or .aif file");
    if (!save_.empty() && !kQuilletDocumentFileType.Matches(CFileSpec(save_).Extension()))
        throw CliUsageError("--save takes a .qlt file");
    CCliAlertPrinter alerts(kPrefix, std::cerr);
    sampler_.Connect(kPrefix);
    const std::unique_ptr<CABCSamplerTransfer> transfer = sampler_.OpenTransfer();
    const auto number = static_cast<std::uint32_t>(sampleNumber_);
    if (number < transfer->FirstSampleNumber() || number > transfer->LastSampleNumber())
        throw CliUsageError("--sample of this sampler: " + std::to_string(transfer->FirstSampleNumber()) + " to " +
                            std::to_string(transfer->LastSampleNumber()));

    ReceivedSample received;
    const TransferOutcome outcome =
        RunCliTransfer(Res::kStringReceivingSample, quiet_, [&](CLengthyOperation& progress) {
            received = transfer->Receive({sampler_.Sampler().SysexID(), number}, progress);
        });
    if (outcome != TransferOutcome::kDone)
        return kCliFileFailed;

    const std::string name = "Sample " + std::to_string(number);
    const std::unique_ptr<CWaveSample> wave = received.MakeSound(ChannelOf(channel_), name.c_str());
    const std::unique_ptr<WAVE_SAMPLE> sound = wave->MakeDocumentSound();
    if (wav)
        WriteWAV(out, *sound);
    else
        WriteAIFF(out, *sound);
    std::cout << "wrote " << out_ << " (" << sound->Frames() << " frames at " << sound->Rate() << " Hz)\n";
    if (!save_.empty()) {
        CLoopDocument document(wave->MakeDocumentSound(), SliceOptions::Defaults());
        if (!document.Analyse())
            throw XInternalError();
        WriteDocument(CFileSpec(save_), document);
        std::cout << "wrote " << save_ << '\n';
    }
    return kCliOk;
}
