#include "cli/DevicesCommand.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommandRegistry.h"
#include "cli/CliFailure.h"
#include "devices/midi/CMIDIPortLists.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "devices/scsi/SCSICommands.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/Exceptions.h"

namespace {

// What the sampler search allows a target to answer INQUIRY.
constexpr std::uint32_t kInquiryTimeout = 8000;

struct Target {
    int id;
    std::string vendor;
    std::string product;
};

struct Bus {
    std::string name;
    std::string adapter;
    std::vector<Target> targets;
};

struct Devices {
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    std::vector<Bus> buses;
};

std::vector<Target> TargetsOf(const CSCSIBus& bus, const CSCSIBusTable& table, std::uint16_t busIndex)
{
    std::vector<Target> targets;
    for (std::uint8_t id = 0; id < bus.TargetCount(); ++id) {
        if (!bus.IsPresent(id))
            continue;
        Target target{id, "", ""};
        try {
            if (const std::optional<SCSIInquiry> inquiry = InquireIdentity(table.Device(busIndex, id, kInquiryTimeout))) {
                target.vendor = inquiry->vendor;
                target.product = inquiry->product;
            }
        } catch (const XSCSI&) {
            // listed without a name: a refused node is reported on its own
        }
        targets.push_back(target);
    }
    return targets;
}

void PrintJson(const Devices& devices, std::ostream& out)
{
    auto names = [](const std::vector<std::string>& ports) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const std::string& name : ports)
            list.push_back({{"name", name}});
        return list;
    };
    nlohmann::ordered_json buses = nlohmann::ordered_json::array();
    for (const Bus& bus : devices.buses) {
        nlohmann::ordered_json targets = nlohmann::ordered_json::array();
        for (const Target& target : bus.targets)
            targets.push_back({{"id", target.id}, {"vendor", target.vendor}, {"product", target.product}});
        buses.push_back({{"name", bus.name}, {"targets", targets}});
    }
    const nlohmann::ordered_json all = {
        {"midi_inputs", names(devices.inputs)}, {"midi_outputs", names(devices.outputs)}, {"scsi_buses", buses}};
    out << all.dump(2) << '\n';
}

void PrintText(const Devices& devices, std::ostream& out)
{
    if (devices.inputs.empty() && devices.outputs.empty() && devices.buses.empty()) {
        out << "No MIDI ports and no SCSI buses found.\n";
        return;
    }
    auto ports = [&out](const char* title, const std::vector<std::string>& names) {
        out << title << '\n';
        if (names.empty())
            out << "  none\n";
        for (const std::string& name : names)
            out << "  " << name << '\n';
    };
    ports("MIDI inputs:", devices.inputs);
    ports("MIDI outputs:", devices.outputs);
    out << "SCSI buses:\n";
    if (devices.buses.empty())
        out << "  none\n";
    for (const Bus& bus : devices.buses) {
        out << "  " << bus.name << " [" << bus.adapter << "]\n";
        for (const Target& target : bus.targets)
            out << "    " << target.id << ": \"" << target.vendor << ' ' << target.product << "\"\n";
    }
}

bool ReportUnknown(const char* variable, const std::vector<std::string>& unknown, std::ostream& errors)
{
    for (const std::string& name : unknown)
        errors << "quillet-cli devices: " << variable << " names no stand-in called \"" << name << "\"\n";
    return !unknown.empty();
}

const CliCommandRegistration kDevicesCommandRegistration([] { return std::make_unique<DevicesCommand>(); });

}  // namespace

int ListDevices(const DevicesOptions& options, std::ostream& out, std::ostream& errors)
{
    try {
        CMIDIPortLists ports;
        CSCSIBusTable buses;
        bool unknown = ReportUnknown(CMIDIPortLists::kStandInVariable, ports.ListPortsFromEnvironment(), errors);
        unknown = ReportUnknown(CSCSIBusTable::kStandInVariable, buses.ListBusesFromEnvironment(), errors) || unknown;
        if (unknown)
            return 2;
        for (const SCSIAccessProblem& problem : buses.AccessProblems()) {
            CAlertArguments names(problem.device);
            names.Add(problem.group);
            errors << "quillet-cli devices: " << AlertLine(Res::kAlertSCSIAccessDenied, names) << '\n';
        }

        Devices devices;
        for (std::uint16_t i = 0; i < ports.InputCount(); ++i)
            devices.inputs.push_back(ports.InputAt(i).PortName());
        for (std::uint16_t i = 0; i < ports.OutputCount(); ++i)
            devices.outputs.push_back(ports.OutputAt(i).PortName());
        for (std::uint16_t i = 0; i < buses.BusCount(); ++i) {
            const CSCSIBus& bus = *buses.BusAt(i);
            devices.buses.push_back({bus.BusName(), bus.AdapterName(), TargetsOf(bus, buses, i)});
        }
        if (options.json)
            PrintJson(devices, out);
        else
            PrintText(devices, out);
        return 0;
    } catch (const XCreateFailed&) {
        const char* folder = std::getenv(CSCSIBusTable::kTraceVariable);
        errors << "quillet-cli devices: cannot write the SCSI trace into " << (folder ? folder : "") << '\n';
        return 1;
    } catch (const XBase&) {
        errors << "quillet-cli devices: " << AlertLine(Res::kAlertSCSICommunication, CAlertArguments()) << '\n';
        return 1;
    }
}

void DevicesCommand::Define(CLI::App& command, const std::vector<std::string>&)
{
    command_ = &command;
    command.add_flag("--json", options_.json, "one JSON object instead of a list");
    // Extra words are refused by Run() in the tool's own words.
    command.allow_extras();
}

int DevicesCommand::Run()
{
    if (const std::vector<std::string> extra = command_->remaining(); !extra.empty())
        throw CliUsageError("unexpected argument " + extra.front());
    return ListDevices(options_, std::cout, std::cerr);
}
