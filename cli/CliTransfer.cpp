#include "cli/CliTransfer.h"

#include <iostream>
#include <optional>

#include "cli/CCliProgressLine.h"
#include "framework/progress/CLengthyOperation.h"

TransferOutcome RunCliTransfer(ResourceId title, bool quiet, const std::function<void(CLengthyOperation&)>& work)
{
    const bool showProgress = !quiet && CCliProgressLine::IsTerminal();
    std::optional<CCliProgressLine> line;
    if (showProgress)
        line.emplace(std::cerr);
    // The operation ends its line before the outcome is printed.
    std::optional<CLengthyOperation> progress(std::in_place, title, Res::kStringStop);
    if (showProgress)
        progress->ShowNow();
    const TransferOutcome outcome = RunSamplerTransfer(nullptr, [&] { work(*progress); });
    progress.reset();
    return outcome;
}
