#pragma once
// The open MIDI ports of one installed sampler while it is in use: a
// system-exclusive input on its MIDI In port and its MIDI Out port. They
// close when the connection goes (output first, then input and its parser).
#include <cstdint>
#include <functional>
#include <memory>

#include "devices/midi/CSysexMIDIInput.h"
#include "samplers/identification/Identification.h"

class CMIDIInput;
class CMIDIOutput;
class CMIDIPortLists;

class CSamplerMIDIConnection {
public:
    // Opens both ports; a port that will not open shows alert 46 or 47 with
    // its name and raises XFailedOpeningMIDIPort.
    CSamplerMIDIConnection(const CMIDIPortLists& ports, std::uint16_t in, std::uint16_t out);
    ~CSamplerMIDIConnection();
    CSamplerMIDIConnection(const CSamplerMIDIConnection&) = delete;
    CSamplerMIDIConnection& operator=(const CSamplerMIDIConnection&) = delete;

    // Sends the request and answers the first message that `isAnswer`
    // accepts; XSysexTimedOut when none came within `timeout` milliseconds.
    SysexBytes Ask(const SysexBytes& request, std::int64_t timeout,
                   const std::function<bool(const SysexBytes&)>& isAnswer);

    // The open ports, for the transfer protocols.
    CSysexMIDIInput& Parser() { return fParser; }
    CMIDIOutput& Output() { return *fOutput; }

private:
    CSysexMIDIInput fParser;
    std::unique_ptr<CMIDIInput> fInput;
    std::unique_ptr<CMIDIOutput> fOutput;
};
