#pragma once
// A MIDI input port found at start-up. Opening it gives an input that feeds
// the parser.
#include <memory>

#include "devices/midi/CMIDIInput.h"
#include "devices/midi/CRegisteredMIDIPort.h"

class CRegisteredMIDIInput : public CRegisteredMIDIPort {
public:
    using CRegisteredMIDIPort::CRegisteredMIDIPort;

    // Raises XFailedOpeningMIDIPort when the port cannot be opened, and
    // XCreateFailed when its trace file cannot be.
    std::unique_ptr<CMIDIInput> Open(CMIDIInputParser& parser)
    {
        return OpenDevice(parser, MakeTrace(CSysexTraceWriter::Direction::kIn));
    }

protected:
    virtual std::unique_ptr<CMIDIInput> OpenDevice(CMIDIInputParser& parser,
                                                   std::unique_ptr<CSysexTraceWriter> trace) = 0;
};
