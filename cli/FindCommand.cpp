#include "cli/FindCommand.h"

#include <CLI/CLI.hpp>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/CCliAlertPrinter.h"
#include "cli/CliCommandRegistry.h"
#include "cli/CliDeviceLists.h"
#include "cli/CliFailure.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CSupportedSamplerRegistry.h"
#include "samplers/search/CABCFoundSamplerQuestion.h"
#include "samplers/search/CSamplerFinder.h"

namespace {

constexpr const char* kPrefix = "quillet-cli find: ";

const CliCommandRegistration kFindCommandRegistration([] { return std::make_unique<FindCommand>(); });

// The search only lists; nobody is asked to take a sampler.
class NoQuestion : public CABCFoundSamplerQuestion {
public:
    bool Ask(const CInstalledSampler&, ResourceId, const CInstalledSamplerList&) override { return false; }
};

nlohmann::ordered_json Describe(const CInstalledSampler& sampler, const CABCConnectionDirectory& connections)
{
    const ConnectionKind kind = sampler.Type().Kind();
    nlohmann::ordered_json found = {{"type", sampler.Type().Name()}};
    if (UsesMIDI(kind)) {
        found["port"] = connections.MIDIOutName(sampler.MIDIOut()).port;
        found["id"] = sampler.SysexID();
    }
    if (UsesSCSI(kind)) {
        found["bus"] = connections.SCSIBusName(sampler.SCSIBus()).bus;
        found[UsesMIDI(kind) ? "scsi_id" : "id"] = sampler.SCSIID();
    }
    found["os_version"] = nullptr;
    if (!sampler.FoundOS().IsUnknown())
        found["os_version"] = sampler.FoundOS().Text();
    return found;
}

void Print(const nlohmann::ordered_json& list, std::ostream& out)
{
    if (list.empty())
        out << "No samplers found.\n";
    for (const nlohmann::ordered_json& sampler : list) {
        out << std::left << std::setw(34) << sampler["type"].get<std::string>();
        if (sampler.contains("port"))
            out << "MIDI \"" << sampler["port"].get<std::string>() << "\" SysEx ID " << sampler["id"] << "  ";
        if (sampler.contains("bus"))
            out << "SCSI \"" << sampler["bus"].get<std::string>() << "\" ID "
                << sampler[sampler.contains("scsi_id") ? "scsi_id" : "id"] << "  ";
        out << "OS " << (sampler["os_version"].is_null() ? "unknown" : sampler["os_version"].get<std::string>())
            << '\n';
    }
}

}  // namespace

void FindCommand::Define(CLI::App& command, const std::vector<std::string>&)
{
    command_ = &command;
    command.add_flag("--json", json_, "one JSON array instead of a list");
    // Extra words are refused by Run() in the tool's own words.
    command.allow_extras();
}

int FindCommand::Run()
{
    if (const std::vector<std::string> extra = command_->remaining(); !extra.empty())
        throw CliUsageError("unexpected argument " + extra.front());
    CCliAlertPrinter alerts(kPrefix, std::cerr);
    CliDeviceLists lists;
    if (!lists.ListFromEnvironment(kPrefix, std::cerr))
        return kCliUsage;
    CSamplerDevices devices(lists.ports, lists.buses);
    CSupportedSamplerRegistry types(devices.Identification());
    NoQuestion question;
    CSamplerFinder finder(types, devices, question);
    const CInstalledSamplerList found = finder.FindSamplers(true, true);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (std::uint16_t i = 0; i < found.Count(); ++i)
        list.push_back(Describe(found.At(i), devices));
    if (json_)
        std::cout << list.dump(2) << '\n';
    else
        Print(list, std::cout);
    return kCliOk;
}
