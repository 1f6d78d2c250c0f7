#include "cli/SliceCommand.h"

#include <CLI/CLI.hpp>

#include "cli/CliCommandRegistry.h"
#include "cli/SlicedLoop.h"
#include "cli/SliceReport.h"

namespace {

const CliCommandRegistration kSliceCommandRegistration([] { return std::make_unique<SliceCommand>(); });

}  // namespace

void SliceCommand::Define(CLI::App& command, const std::vector<std::string>&) {
    command.add_option("files", files_, "sound files (16-bit AIFF or WAV) or documents (.qlt)")->required();
    slicing_.Define(command);
    run_.Define(command, "one JSON object per file (an array for several files)");
}

int SliceCommand::Run() {
    slicing_.Check();
    return CliBatch(run_).Run(files_, [this](const std::string& file) { return Slice(file); });
}

CliFileResult SliceCommand::Slice(const std::string& file) const {
    CliFileResult result;
    try {
        const SlicedLoop loop = SlicedLoop::Load(file, slicing_);
        if (!loop.warning.empty()) result.err = loop.warning + '\n';
        if (run_.json)
            result.json = SliceJson(file, loop);
        else
            result.out = SliceTable(loop);
    } catch (...) {
        return FileFailure(file, std::current_exception());
    }
    return result;
}
