#include "cli/SamplersCommand.h"

#include <CLI/CLI.hpp>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/CliCommandRegistry.h"
#include "cli/CliFailure.h"
#include "framework/resources/ResourceScripts.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/model/SupportedSamplerTable.h"

namespace {

const CliCommandRegistration kSamplersCommandRegistration([] { return std::make_unique<SamplersCommand>(); });

}  // namespace

void SamplersCommand::Define(CLI::App& command, const std::vector<std::string>&)
{
    command_ = &command;
    command.add_flag("--json", json_, "one JSON array instead of a table");
    // Extra words are refused by Run() in the tool's own words.
    command.allow_extras();
}

int SamplersCommand::Run()
{
    if (const std::vector<std::string> extra = command_->remaining(); !extra.empty())
        throw CliUsageError("unexpected argument " + extra.front());
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const SupportedSamplerConstants& type : kSupportedSamplerTable) {
        const std::string name = GetResourceString(type.name);
        if (json_)
            list.push_back({{"name", name},
                            {"family", SamplerFamilyKey(type.typeId)},
                            {"transport", SamplerTransportKey(type)}});
        else
            std::cout << std::left << std::setw(34) << name << std::setw(10) << SamplerFamilyKey(type.typeId)
                      << SamplerTransportKey(type) << '\n';
    }
    if (json_)
        std::cout << list.dump(2) << '\n';
    return kCliOk;
}
