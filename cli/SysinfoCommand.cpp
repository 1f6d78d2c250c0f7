#include "cli/SysinfoCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/CliCommandRegistry.h"
#include "cli/CliDeviceLists.h"
#include "cli/CliFailure.h"
#include "devices/sound/CSoundCardRegistry.h"
#include "devices/system/CSystemInformation.h"

namespace {

const CliCommandRegistration kSysinfoCommandRegistration([] { return std::make_unique<SysinfoCommand>(); });

}  // namespace

void SysinfoCommand::Define(CLI::App& command, const std::vector<std::string>&)
{
    command_ = &command;
    // Extra words are refused by Run() in the tool's own words.
    command.allow_extras();
}

int SysinfoCommand::Run()
{
    if (const std::vector<std::string> extra = command_->remaining(); !extra.empty())
        throw CliUsageError("unexpected argument " + extra.front());
    CliDeviceLists lists;
    if (!lists.ListFromEnvironment("quillet-cli sysinfo: ", std::cerr))
        return kCliUsage;
    std::cout << CSystemInformation::Gather("/", CSoundCardRegistry::StandInsFromEnvironment(), lists.ports,
                                            lists.buses)
                     .Text();
    return kCliOk;
}
