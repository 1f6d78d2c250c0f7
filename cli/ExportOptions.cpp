#include "cli/ExportOptions.h"

#include <CLI/CLI.hpp>
#include <filesystem>

#include "cli/CliFailure.h"
#include "framework/files/CFileSpec.h"
#include "framework/files/FileTypes.h"

namespace {

// The output option: a file, or under --out-dir a flag.
CLI::Option* AddOutput(CLI::App& command, bool outDir, const char* name, std::string& value, const char* what,
                       const char* perInput, const char* valueName) {
    const std::string help = std::string(what) + "; with --out-dir no value: " + perInput;
    if (outDir) return command.add_flag(name, help);
    return command.add_option(name, value, help)->option_text(valueName);
}

}  // namespace

void ExportOptions::Define(CLI::App& command, bool outDir) {
    saveOption_ = AddOutput(command, outDir, "--save", save_, "write the document file", "DIR/NAME.qlt", "DOC.qlt");
    slxOption_ = AddOutput(command, outDir, "--slx", slx_, "write the SLX slice file", "DIR/NAME.slx", "OUT.slx");
    midiOption_ = AddOutput(command, outDir, "--midi", midi_, "write the groove MIDI file (one note per slice)",
                            "DIR/NAME.mid", "OUT.mid");
    slicesOption_ = AddOutput(command, outDir, "--slices", slices_,
                              "write every slice as a sound file into a folder, numbered \"NAME #001\" on",
                              "DIR/NAME/", "DIR");
    command.add_option("--out-dir", outDir_, "folder for the outputs of every input (created when missing)")
        ->option_text("DIR");
    command.add_option("--type", type_, "slice file type: aiff or wav (default aiff)")
        ->check(CLI::IsMember({"aiff", "wav"}))
        ->option_text("aiff|wav");
    command.add_option("--base", base_, "name the slice files start with (default: the sound's name)")
        ->option_text("NAME");
    render_.Define(command, "the SLX and slice files");
    command.add_flag("--force", force_,
                     "write only the first slices when there are too many for the MIDI (92) or SLX (1000) file, "
                     "and replace existing slice files");
}

bool ExportOptions::Given(const CLI::Option* option) const { return option != nullptr && option->count() > 0; }

void ExportOptions::Check(std::size_t inputCount) const {
    if (!Given(saveOption_) && !Given(slxOption_) && !Given(midiOption_) && !Given(slicesOption_))
        throw CliUsageError("nothing to write: give --save, --slx, --midi or --slices");
    if (inputCount > 1 && !HasOutDir())
        throw CliUsageError("several inputs need --out-dir, so that each has outputs of its own");
    render_.Check();
}

ExportTargets ExportOptions::TargetsFor(const std::string& input) const {
    ExportTargets targets;
    targets.sliceBase = base_;
    if (!HasOutDir()) {
        if (Given(saveOption_)) targets.save = save_;
        if (Given(slxOption_)) targets.slx = slx_;
        if (Given(midiOption_)) targets.midi = midi_;
        if (Given(slicesOption_)) targets.slicesFolder = slices_;
        return targets;
    }
    std::string name;
    std::string extension;
    SplitFileName(std::filesystem::path(input).filename().string(), name, extension);
    const std::filesystem::path folder(outDir_);
    if (Given(saveOption_)) targets.save = (folder / (name + ".qlt")).string();
    if (Given(slxOption_)) targets.slx = (folder / (name + ".slx")).string();
    if (Given(midiOption_)) targets.midi = (folder / (name + ".mid")).string();
    if (Given(slicesOption_)) {
        targets.slicesFolder = (folder / name).string();
        if (targets.sliceBase.empty()) targets.sliceBase = name;
    }
    return targets;
}

const CFileType& ExportOptions::SliceType() const { return type_ == "wav" ? kWaveFileType : kAIFFFileType; }
