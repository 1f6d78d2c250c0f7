#pragma once
// Answers the export questions from the command line: with --force the
// first slices are written and existing slice files replaced; without it the
// export is refused and the refusal is remembered for the error line.
#include <string>

#include "document/export/CABCExportFeedback.h"

class CliExportFeedback : public CABCExportFeedback {
public:
    explicit CliExportFeedback(bool force) : force_(force) {}

    bool AcceptFirstSlices(ExportKind kind, int limit) override;
    ReplaceAnswer AskReplace(const std::string& fileName) override;

    // Why the last export was refused, in the tool's words; empty when it was not.
    const std::string& Refusal() const { return refusal_; }
    // An export refused for a reason of its own.
    void Refuse(std::string why) { refusal_ = std::move(why); }

private:
    bool force_;
    std::string refusal_;
};
