#pragma once
// Runs the batch tool built beside the tests.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/FileTestSupport.h"

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quillet-cli with the arguments; its standard output and error apart.
// `environment` is put before the command, e.g. "QUILLET_MIDI_PORTS=loopback".
inline CliRun RunCli(const std::string& arguments, const std::string& environment = "") {
    CTempFolder folder;
    const std::string err = (folder / "err").string();
    CliRun run;
    run.out = RunCommand(environment + " " QUILLET_BINARY_DIR "/cli/quillet-cli " + arguments + " 2>'" + err + "'",
                         &run.status);
    const auto bytes = ReadFileBytes(err);
    run.err.assign(bytes.begin(), bytes.end());
    return run;
}

// A test with a folder of its own; Path and Quoted name files in it.
class CliFolderTest : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::string Quoted(const std::string& name) const { return "'" + Path(name) + "'"; }

    CTempFolder folder_;
};

// Evaluates a python expression over the JSON object `j` that the tool printed.
inline std::string Python(const std::string& json, const std::string& expression) {
    CTempFolder folder;
    WriteFileBytes(folder / "out.json", std::vector<std::uint8_t>(json.begin(), json.end()));
    return RunPython("import json, sys\nj = json.load(open(sys.argv[1]))\nprint(" + expression + ")\n",
                     (folder / "out.json").string());
}
