#pragma once
// Runs one command over many input files on several threads and prints each
// file's result in input order, as soon as it and every result before it
// are done. On a terminal, a run of more than a second shows a progress line
// on standard error (not with --quiet).
#include <exception>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/CliFailure.h"

namespace CLI {
class App;
}

// What one input gave.
struct CliFileResult {
    int status = kCliOk;
    std::string out;            // printed to standard output (not with --json)
    std::string err;            // printed to standard error, line by line
    nlohmann::ordered_json json;  // the file's object for --json; for a failed
                                  // file left empty: {"file", "error"} is printed
};

// The result of an input that failed: status kCliUsage and the message of a
// CliUsageError, or status kCliFileFailed and the failure line of the alert
// the window would show for it.
CliFileResult FileFailure(const std::string& input, const std::exception_ptr& failure);

struct CliRunOptions {
    unsigned jobs = 1;
    bool quiet = false;
    bool json = false;

    // Adds -j/--jobs (default: the number of cores) and --quiet, and --json
    // when jsonHelp is given.
    void Define(CLI::App& command, const std::string& jsonHelp = "");
};

class CliBatch {
public:
    explicit CliBatch(const CliRunOptions& options) : options_(options) {}

    // Runs work on every input; with --json prints the one object of a
    // single input, or one array of the objects of several. Answers the
    // highest status of all inputs.
    int Run(const std::vector<std::string>& inputs, const std::function<CliFileResult(const std::string&)>& work);

private:
    void Print(const std::string& input, CliFileResult& result, std::size_t index, std::size_t count);

    CliRunOptions options_;
};
