#pragma once
// A MIDI output port found at start-up.
#include <memory>

#include "devices/midi/CMIDIOutput.h"
#include "devices/midi/CRegisteredMIDIPort.h"

class CRegisteredMIDIOutput : public CRegisteredMIDIPort {
public:
    using CRegisteredMIDIPort::CRegisteredMIDIPort;

    // Raises XFailedOpeningMIDIPort when the port cannot be opened, and
    // XCreateFailed when its trace file cannot be.
    std::unique_ptr<CMIDIOutput> Open() { return OpenDevice(MakeTrace(CSysexTraceWriter::Direction::kOut)); }

protected:
    virtual std::unique_ptr<CMIDIOutput> OpenDevice(std::unique_ptr<CSysexTraceWriter> trace) = 0;
};
