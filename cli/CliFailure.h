#pragma once
// How the batch tool reports a file it could not handle: one line with the
// file, the problem in the words of the program's alert (without its tags
// and buttons, and without the file's name a second time), then the reason
// the system gave, if any.
#include <exception>
#include <stdexcept>
#include <string>

#include "resources/CaravelResources.h"

// Exit status of a run: every file done; a file failed; the command line
// was wrong, or asked for something that cannot be done with an input.
enum CliStatus : int { kCliOk = 0, kCliFileFailed = 1, kCliUsage = 2 };

// A command line that does not fit the command (status kCliUsage).
class CliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "FILE: title message (reason)" for the alert id; the reason is the
// system's error text carried by the failure, or a word on the limit the
// file broke.
std::string FailureLine(const std::string& file, ResourceId alert, const std::exception_ptr& failure = nullptr);
