#include "cli/InfoCommand.h"

#include <CLI/CLI.hpp>
#include <cinttypes>
#include <cstdio>

#include "cli/CliCommandRegistry.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/files/CFileSpec.h"
#include "sound/SampleFormatting.h"

namespace {

const CliCommandRegistration kInfoCommandRegistration([] { return std::make_unique<InfoCommand>(); });

}  // namespace

void InfoCommand::Define(CLI::App& command, const std::vector<std::string>&) {
    command.add_option("files", files_, "sound files (AIFF or WAV)")->required();
    run_.Define(command, "one JSON object per file (an array for several files)");
}

int InfoCommand::Run() {
    return CliBatch(run_).Run(files_, [this](const std::string& file) { return Inspect(file); });
}

CliFileResult InfoCommand::Inspect(const std::string& file) const {
    SoundFileInfo info;
    try {
        info = ReadSoundFileInfo(file);
    } catch (...) {
        return FileFailure(file, std::current_exception());
    }
    const std::uint64_t milliseconds = info.sampleRate ? std::uint64_t{info.frameCount} * 1000 / info.sampleRate : 0;
    char length[32];
    std::snprintf(length, sizeof length, "%" PRIu64 ".%03" PRIu64 " s", milliseconds / 1000, milliseconds % 1000);
    const std::string name = CFileSpec(file).NameWithExtension();

    CliFileResult result;
    result.out = "name:     " + name + '\n' + "rate:     " + std::to_string(info.sampleRate) + " Hz (" +
                 FormatSampleRate(info.sampleRate) + ")\n" + "channels: " + std::to_string(info.channels) +
                 (info.channels == 1 ? " (mono)" : info.channels == 2 ? " (stereo)" : "") + '\n' +
                 "bits:     " + std::to_string(info.bitsPerSample) + '\n' + "frames:   " +
                 std::to_string(info.frameCount) + '\n' + "length:   " + length + '\n';
    result.json = {{"file", file},
                   {"name", name},
                   {"rate", info.sampleRate},
                   {"channels", info.channels},
                   {"bits", info.bitsPerSample},
                   {"frames", info.frameCount},
                   {"seconds", static_cast<double>(milliseconds) / 1000.0}};
    // What the slice command would refuse is a failure here too.
    try {
        CheckSoundFileLimits(info);
    } catch (...) {
        const CliFileResult failure = FileFailure(file, std::current_exception());
        result.status = failure.status;
        result.err = failure.err;
        result.json["error"] = failure.err.substr(file.size() + 2, failure.err.size() - file.size() - 3);
    }
    return result;
}
