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
    markedOption_ = AddOutput(command, outDir, "--marked", marked_,
                              "write the whole loop with a marker per slice and the locators as its loop "
                              "(.wav, else AIFF)",
                              "DIR/NAME-marked.wav", "FILE.wav|.aif");
    sfzOption_ = AddOutput(command, outDir, "--sfz", sfz_,
                           "write an SFZ kit: NAME.sfz with slice i on key 36 + i, and the slices as WAV files",
                           "DIR/NAME-sfz/", "DIR");
    soundFontOption_ = AddOutput(command, outDir, "--sf2", soundFont_,
                                 "write a SoundFont 2 bank (one sample per slice on the keys from 36 up)",
                                 "DIR/NAME.sf2", "OUT.sf2");
    bankNameOption_ = command.add_option("--bank-name", bankName_, "name of the SoundFont bank (default: the sound's name)")
                          ->option_text("NAME");
    mixmanOption_ = AddOutput(command, outDir, "--trk", mixman_, "write a Mixman track file (4/4 time only)",
                              "DIR/NAME.trk", "OUT.trk");
    sampleCellOption_ = AddOutput(command, outDir, "--samplecell", sampleCell_,
                                  "write a SampleCell instrument NAME.ins and its slice files NAME001.wav on into a folder",
                                  "DIR/NAME-SampleCell/", "DIR");
    templateOption_ = command.add_option("--template", template_, "SampleCell template instrument to take the sound "
                                                                  "parameters from (default: built-in ones)")
                          ->option_text("FILE.ins");
    command.add_option("--out-dir", outDir_, "folder for the outputs of every input (created when missing)")
        ->option_text("DIR");
    command.add_option("--type", type_, "slice file type: aiff or wav (default aiff)")
        ->check(CLI::IsMember({"aiff", "wav"}))
        ->option_text("aiff|wav");
    command.add_option("--base", base_, "name the slice files start with (default: the sound's name)")
        ->option_text("NAME");
    render_.Define(command, "the SLX and slice files");
    command.add_flag("--force", force_,
                     "write only the first slices when there are too many for the MIDI (92), SLX (1000), "
                     "SoundFont (92), Mixman (128) or SampleCell (60) file, and replace existing slice files");
}

bool ExportOptions::Given(const CLI::Option* option) const { return option != nullptr && option->count() > 0; }

void ExportOptions::Check(std::size_t inputCount) const {
    if (!Given(saveOption_) && !Given(slxOption_) && !Given(midiOption_) && !Given(slicesOption_) &&
        !Given(markedOption_) && !Given(sfzOption_) && !Given(soundFontOption_) && !Given(mixmanOption_) &&
        !Given(sampleCellOption_))
        throw CliUsageError("nothing to write: give --save, --slx, --midi, --slices, --marked, --sfz, --sf2, --trk "
                            "or --samplecell");
    if (Given(templateOption_) && !Given(sampleCellOption_))
        throw CliUsageError("--template belongs to --samplecell");
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
        if (Given(markedOption_)) targets.marked = marked_;
        if (Given(sfzOption_)) targets.sfzFolder = sfz_;
        if (Given(soundFontOption_)) targets.soundFont = soundFont_;
        if (Given(mixmanOption_)) targets.mixman = mixman_;
        if (Given(sampleCellOption_)) targets.sampleCellFolder = sampleCell_;
        return targets;
    }
    std::string name;
    std::string extension;
    SplitFileName(std::filesystem::path(input).filename().string(), name, extension);
    const std::filesystem::path folder(outDir_);
    if (Given(saveOption_)) targets.save = (folder / (name + ".qlt")).string();
    if (Given(slxOption_)) targets.slx = (folder / (name + ".slx")).string();
    if (Given(midiOption_)) targets.midi = (folder / (name + ".mid")).string();
    if (Given(markedOption_)) targets.marked = (folder / (name + "-marked.wav")).string();
    if (Given(sfzOption_)) targets.sfzFolder = (folder / (name + "-sfz")).string();
    if (Given(slicesOption_)) {
        targets.slicesFolder = (folder / name).string();
        if (targets.sliceBase.empty()) targets.sliceBase = name;
    }
    if (Given(soundFontOption_)) targets.soundFont = (folder / (name + ".sf2")).string();
    if (Given(mixmanOption_)) targets.mixman = (folder / (name + ".trk")).string();
    if (Given(sampleCellOption_)) targets.sampleCellFolder = (folder / (name + "-SampleCell")).string();
    return targets;
}

const CFileType& ExportOptions::SliceType() const { return type_ == "wav" ? kWaveFileType : kAIFFFileType; }

std::optional<std::string> ExportOptions::BankName() const {
    if (!Given(bankNameOption_)) return std::nullopt;
    return bankName_;
}

std::optional<std::string> ExportOptions::SampleCellTemplate() const {
    if (!Given(templateOption_)) return std::nullopt;
    return template_;
}
