#pragma once
// Runs the batch tool built beside the tests.
#include <string>

#include "tests/support/FileTestSupport.h"

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quillet-cli with the arguments; its standard output and error apart.
inline CliRun RunCli(const std::string& arguments) {
    CTempFolder folder;
    const std::string err = (folder / "err").string();
    CliRun run;
    run.out = RunCommand(QUILLET_BINARY_DIR "/cli/quillet-cli " + arguments + " 2>'" + err + "'", &run.status);
    const auto bytes = ReadFileBytes(err);
    run.err.assign(bytes.begin(), bytes.end());
    return run;
}
