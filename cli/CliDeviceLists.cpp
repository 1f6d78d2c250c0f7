#include "cli/CliDeviceLists.h"

namespace {

bool ReportUnknown(const std::string& prefix, const char* variable, const char* what,
                   const std::vector<std::string>& unknown, std::ostream& errors)
{
    for (const std::string& name : unknown)
        errors << prefix << variable << " names no " << what << " called \"" << name << "\"\n";
    return !unknown.empty();
}

}  // namespace

bool CliDeviceLists::ListFromEnvironment(const std::string& prefix, std::ostream& errors)
{
    bool unknown = ReportUnknown(prefix, CMIDIPortLists::kStandInVariable, "stand-in",
                                 ports.ListPortsFromEnvironment(), errors);
    unknown = ReportUnknown(prefix, CSCSIBusTable::kStandInVariable, "stand-in", buses.ListBusesFromEnvironment(),
                            errors) ||
              unknown;
    const SimulatedSamplerSelection selection = SimulatedSamplersFromEnvironment();
    unknown = ReportUnknown(prefix, kSimulatedSamplersVariable, "sampler family", selection.unknown, errors) || unknown;
    simulated.ConnectMIDI(selection.families, ports);
    simulated.ConnectSCSI(buses);
    return !unknown;
}
