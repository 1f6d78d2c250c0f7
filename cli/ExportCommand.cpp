#include "cli/ExportCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "cli/CliCommandRegistry.h"
#include "cli/CliExportFeedback.h"
#include "cli/SamplerFileExports.h"
#include "cli/SlicedLoop.h"
#include "document/export/DocumentFile.h"
#include "document/export/ExportFailureAlert.h"
#include "document/export/ExportGrooveMIDI.h"
#include "document/export/ExportSFZKit.h"
#include "document/export/ExportSampleRates.h"
#include "document/export/ExportSlices.h"
#include "document/export/ExportSLX.h"
#include "document/export/MarkedLoop.h"
#include "document/export/SliceFileName.h"
#include "framework/exceptions/Exceptions.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/Tempo.h"

namespace {

const CliCommandRegistration kExportCommandRegistration([] { return std::make_unique<ExportCommand>(); });

ResourceId FailureAlert(const std::exception_ptr& failure, ResourceId exportAlert) {
    try {
        std::rethrow_exception(failure);
    } catch (const XOutOfMemory&) {
        return Res::kAlertOutOfMemory;
    } catch (...) {
        return ExportFailureAlert(failure, exportAlert);
    }
}

// Runs one export; notes what it wrote, or why it wrote nothing.
void Write(CliFileResult& result, const std::string& output, ResourceId failureAlert, CliExportFeedback& feedback,
           const std::function<bool()>& write, const std::string& written) {
    try {
        if (write()) {
            result.out += "wrote " + written + '\n';
            return;
        }
        result.err += output + ": " + feedback.Refusal() + '\n';
    } catch (...) {
        result.err += FailureLine(output, FailureAlert(std::current_exception(), failureAlert), std::current_exception()) +
                      '\n';
    }
    result.status = std::max<int>(result.status, kCliFileFailed);
}

std::string SliceBase(const ExportTargets& targets, const SlicedLoop& loop) {
    if (!targets.sliceBase.empty()) return targets.sliceBase;
    std::string base;
    std::string extension;
    SplitFileName(loop.Sound().Name(), base, extension);
    return base;
}

// The name the export dialogs propose: the sound's name up to its first ".".
std::string ProposedName(const SlicedLoop& loop) {
    const std::string name = loop.Sound().Name();
    return name.substr(0, name.find('.'));
}

}  // namespace

std::string ExportCommand::Summary() const {
    return "writes the loop's document file, SLX file, groove MIDI file or slice files";
}

std::string ExportCommand::Usage() const {
    return "FILE... [options] (--save DOC.qlt | --slx OUT.slx | --midi OUT.mid | --slices DIR | --marked FILE | "
           "--sfz DIR | --sf2 OUT.sf2 | --trk OUT.trk | --samplecell DIR)... "
           "or FILE... --out-dir DIR [--save] [--slx] [--midi] [--slices] [--marked] [--sfz] [--sf2] [--trk] [--samplecell]";
}

void ExportCommand::Define(CLI::App& command, const std::vector<std::string>& arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    const bool outDir = std::any_of(arguments.begin(), end, [](const std::string& word) {
        return word == "--out-dir" || word.rfind("--out-dir=", 0) == 0;
    });
    command.add_option("files", files_, "sound files (16-bit AIFF or WAV) or documents (.qlt)")->required();
    slicing_.Define(command);
    exports_.Define(command, outDir);
    run_.Define(command);
}

int ExportCommand::Run() {
    slicing_.Check();
    exports_.Check(files_.size());
    PlanOutputs();
    if (exports_.HasOutDir()) std::filesystem::create_directories(exports_.OutDir());
    return CliBatch(run_).Run(files_, [this](const std::string& input) { return Export(input); });
}

void ExportCommand::PlanOutputs() {
    for (const std::string& input : files_) clashes_.AddInput(input);
    for (const std::string& input : files_) {
        const ExportTargets targets = exports_.TargetsFor(input);
        for (const auto& output : {targets.save, targets.slx, targets.midi, targets.slicesFolder, targets.marked,
                                   targets.sfzFolder, targets.soundFont, targets.mixman, targets.sampleCellFolder})
            if (output) clashes_.AddOutput(*output);
    }
}

void ExportCommand::CheckSliceFiles(const std::string& input, const ExportTargets& targets, SlicedLoop& loop) const {
    OutputClashes own;
    own.AddInput(input);
    for (const auto& output : {targets.save, targets.slx, targets.midi, targets.soundFont, targets.mixman})
        if (output) own.AddOutput(*output);
    CSliceRenderSet renderSet(loop.Sound(), loop.Slices(), loop.Settings());
    if (targets.sampleCellFolder) {
        for (int i = 0; i < renderSet.Count(); ++i) {
            const std::string slice = SampleCellSliceFile(*targets.sampleCellFolder, ProposedName(loop), i);
            if (clashes_.IsInput(slice)) throw CliUsageError("refusing to write " + slice + ": it is an input");
            own.AddOutput(slice);
        }
    }
    if (!targets.slicesFolder) return;
    const std::string extension = exports_.SliceType().ExtensionList().front();
    const std::filesystem::path file = std::filesystem::path(*targets.slicesFolder) / (SliceBase(targets, loop) + extension);
    for (int i = 0; i < renderSet.Count(); ++i) {
        const std::string slice = SliceFileName(file, i, extension, kSliceNameLimit).string();
        if (clashes_.IsInput(slice)) throw CliUsageError("refusing to write " + slice + ": it is an input");
        own.AddOutput(slice);
    }
}

CliFileResult ExportCommand::Export(const std::string& input) const {
    CliFileResult result;
    try {
        SlicedLoop loop = SlicedLoop::Load(input, slicing_);
        if (!loop.warning.empty()) result.err += loop.warning + '\n';
        CLoopDocument& document = *loop.document;
        exports_.Render().ApplyTo(document.Settings());
        const ExportTargets targets = exports_.TargetsFor(input);
        const CSlicingSettings& settings = document.Settings();
        if ((targets.slx || targets.midi) && LoopTicks(settings.bars, settings.beats, settings.signature) <= 0)
            throw CliUsageError("the loop has no musical length for the SLX and MIDI files: give --bars or --beats");
        CheckSliceFiles(input, targets, loop);

        const std::uint32_t rate = exports_.Render().RateFor(document.Sound().Rate());
        CliExportFeedback feedback(exports_.Force());
        if (targets.save) {
            const CFileSpec file(*targets.save);
            Write(result, *targets.save, Res::kAlertDocumentSaveFailed, feedback,
                  [&] { WriteDocument(file, document); return true; }, *targets.save);
        }
        if (targets.slx) {
            CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
            Write(result, *targets.slx, Res::kAlertSLXExportFailed, feedback,
                  [&] { return ExportSLX(renderSet, CFileSpec(*targets.slx), rate, feedback); }, *targets.slx);
        }
        if (targets.midi) {
            CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
            Write(result, *targets.midi, Res::kAlertMIDIFileFailed, feedback,
                  [&] { return ExportGrooveMIDI(renderSet, CFileSpec(*targets.midi), feedback); }, *targets.midi);
        }
        if (targets.slicesFolder) {
            const CFileType& type = exports_.SliceType();
            const std::string& folder = *targets.slicesFolder;
            const CFileSpec file((std::filesystem::path(folder) / (SliceBase(targets, loop) + type.ExtensionList().front())).string());
            CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
            Write(result, folder, Res::kAlertSliceExportFailed, feedback,
                  [&] {
                      std::filesystem::create_directories(folder);
                      return ExportSlices(renderSet, file, type, 0, rate, std::nullopt, kSliceNameLimit, feedback);
                  },
                  std::to_string(renderSet.Count()) + " slice file(s) to " + folder);
        }
        if (targets.marked) {
            const std::string& marked = *targets.marked;
            Write(result, marked, Res::kAlertSliceExportFailed, feedback,
                  [&] { ExportMarkedLoop(document, CFileSpec(marked), MarkedLoopType(marked)); return true; }, marked);
        }
        if (targets.sfzFolder) {
            const std::string& folder = *targets.sfzFolder;
            const CFileSpec kit((std::filesystem::path(folder) / (SliceBase(targets, loop) + ".sfz")).string());
            CSliceRenderSet renderSet(document.Sound(), document.Slices(), document.Settings());
            Write(result, folder, Res::kAlertSliceExportFailed, feedback,
                  [&] {
                      std::filesystem::create_directories(folder);
                      return ExportSFZKit(renderSet, kit, rate, feedback);
                  },
                  "SFZ kit " + kit.FullPath());
        }
        if (targets.soundFont) {
            const std::string bankName = exports_.BankName().value_or(ProposedName(loop));
            Write(result, *targets.soundFont, Res::kAlertSoundFontExportFailed, feedback,
                  [&] { return WriteSoundFontBank(document, *targets.soundFont, bankName, feedback); },
                  *targets.soundFont);
        }
        if (targets.mixman) {
            Write(result, *targets.mixman, Res::kAlertMixmanExportFailed, feedback,
                  [&] { return WriteMixmanTrack(document, *targets.mixman, ProposedName(loop), feedback); },
                  *targets.mixman);
        }
        if (targets.sampleCellFolder) {
            const std::string& folder = *targets.sampleCellFolder;
            Write(result, folder, Res::kAlertSampleCellExportFailed, feedback,
                  [&] {
                      return WriteSampleCellInstrument(document, folder, ProposedName(loop),
                                                       exports_.SampleCellTemplate(), feedback);
                  },
                  "the SampleCell instrument " + ProposedName(loop) + ".ins and its slice files to " + folder);
        }
    } catch (...) {
        return FileFailure(input, std::current_exception());
    }
    return result;
}
