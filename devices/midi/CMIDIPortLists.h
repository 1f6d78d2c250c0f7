#pragma once
// The MIDI inputs and outputs found at start-up: the raw MIDI ports of the
// ALSA cards, then the stand-ins asked for in the environment. The index of a
// port in its list is what an installed sampler stores; searches that find
// nothing answer kNotFound.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devices/midi/CLoopbackCable.h"
#include "devices/midi/CRegisteredMIDIInput.h"
#include "devices/midi/CRegisteredMIDIOutput.h"

class CMIDIPortLists {
public:
    static constexpr std::uint16_t kNotFound = 666;
    // Names the stand-in ports to list: "loopback" (one loopback cable).
    static constexpr const char* kStandInVariable = "QUILLET_MIDI_PORTS";
    // A folder for the .syx traces of every port opened.
    static constexpr const char* kTraceVariable = "QUILLET_MIDI_TRACE";
    static constexpr const char* kLoopbackName = "Loopback 1";

    // Start-up listing: the ALSA ports, then the stand-ins named in
    // `standIns` (separated by commas); every port traces into `traceFolder`
    // when it is not empty. Answers the stand-in names it does not know.
    std::vector<std::string> ListPorts(const std::string& standIns, const std::string& traceFolder);
    // The same with the stand-ins and the trace folder the environment names.
    std::vector<std::string> ListPortsFromEnvironment();
    void ListALSAPorts();
    std::vector<std::string> ListStandInPorts(const std::string& standIns);

    // A loopback cable with its input and output added to the lists.
    std::shared_ptr<CLoopbackCable> AddLoopbackPair(const std::string& name);
    void AddInput(std::unique_ptr<CRegisteredMIDIInput> port);
    void AddOutput(std::unique_ptr<CRegisteredMIDIOutput> port);

    std::uint16_t InputCount() const { return static_cast<std::uint16_t>(fInputs.size()); }
    std::uint16_t OutputCount() const { return static_cast<std::uint16_t>(fOutputs.size()); }
    CRegisteredMIDIInput& InputAt(std::uint16_t index) const { return *fInputs.at(index); }
    CRegisteredMIDIOutput& OutputAt(std::uint16_t index) const { return *fOutputs.at(index); }
    // By the names the preferences store; names match by their first 32 characters.
    std::uint16_t FindInput(const std::string& portName, const std::string& driverName) const;
    std::uint16_t FindOutput(const std::string& portName, const std::string& driverName) const;

private:
    std::string fTraceFolder;
    std::vector<std::unique_ptr<CRegisteredMIDIInput>> fInputs;
    std::vector<std::unique_ptr<CRegisteredMIDIOutput>> fOutputs;
};
