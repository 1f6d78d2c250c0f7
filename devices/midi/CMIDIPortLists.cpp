#include "devices/midi/CMIDIPortLists.h"

#include <cstdlib>
#include <sstream>

#include "devices/midi/ALSAMIDIPortScan.h"
#include "devices/midi/CRegisteredALSAMIDIInput.h"
#include "devices/midi/CRegisteredALSAMIDIOutput.h"
#include "devices/midi/CRegisteredLoopbackMIDIInput.h"
#include "devices/midi/CRegisteredLoopbackMIDIOutput.h"

namespace {

template <typename Port>
std::uint16_t Find(const std::vector<std::unique_ptr<Port>>& ports, const std::string& portName,
                   const std::string& driverName)
{
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (ports[i]->IsNamed(portName) && ports[i]->DriverName() == driverName)
            return static_cast<std::uint16_t>(i);
    return CMIDIPortLists::kNotFound;
}

}  // namespace

std::vector<std::string> CMIDIPortLists::ListPortsFromEnvironment()
{
    const char* standIns = std::getenv(kStandInVariable);
    const char* traceFolder = std::getenv(kTraceVariable);
    return ListPorts(standIns ? standIns : "", traceFolder ? traceFolder : "");
}

std::vector<std::string> CMIDIPortLists::ListPorts(const std::string& standIns, const std::string& traceFolder)
{
    fTraceFolder = traceFolder;
    ListALSAPorts();
    return ListStandInPorts(standIns);
}

void CMIDIPortLists::ListALSAPorts()
{
    const ALSAMIDIPorts ports = ScanALSAMIDIPorts();
    for (const ALSAMIDIPort& port : ports.inputs)
        AddInput(std::make_unique<CRegisteredALSAMIDIInput>(port.name, port.device));
    for (const ALSAMIDIPort& port : ports.outputs)
        AddOutput(std::make_unique<CRegisteredALSAMIDIOutput>(port.name, port.device));
}

std::vector<std::string> CMIDIPortLists::ListStandInPorts(const std::string& standIns)
{
    std::vector<std::string> unknown;
    std::istringstream list(standIns);
    std::string item;
    while (std::getline(list, item, ',')) {
        if (item == "loopback")
            AddLoopbackPair(kLoopbackName);
        else if (!item.empty())
            unknown.push_back(item);
    }
    return unknown;
}

std::shared_ptr<CLoopbackCable> CMIDIPortLists::AddLoopbackPair(const std::string& name)
{
    auto cable = std::make_shared<CLoopbackCable>(name);
    AddInput(std::make_unique<CRegisteredLoopbackMIDIInput>(cable));
    AddOutput(std::make_unique<CRegisteredLoopbackMIDIOutput>(cable));
    return cable;
}

void CMIDIPortLists::AddInput(std::unique_ptr<CRegisteredMIDIInput> port)
{
    port->SetTraceFolder(fTraceFolder);
    fInputs.push_back(std::move(port));
}

void CMIDIPortLists::AddOutput(std::unique_ptr<CRegisteredMIDIOutput> port)
{
    port->SetTraceFolder(fTraceFolder);
    fOutputs.push_back(std::move(port));
}

std::uint16_t CMIDIPortLists::FindInput(const std::string& portName, const std::string& driverName) const
{
    return Find(fInputs, portName, driverName);
}

std::uint16_t CMIDIPortLists::FindOutput(const std::string& portName, const std::string& driverName) const
{
    return Find(fOutputs, portName, driverName);
}
