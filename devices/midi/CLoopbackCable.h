#pragma once
// A loopback MIDI cable: a pair of ports the port lists show like real ones,
// and two wires. What the program sends goes to the far end, an attached
// simulated instrument; with none attached it comes straight back to the
// program's own input. What the far end sends comes to the program's input.
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

#include "devices/midi/CABCMIDIByteSink.h"
#include "devices/midi/CLoopbackWire.h"

class CLoopbackCable {
public:
    explicit CLoopbackCable(const std::string& name);
    ~CLoopbackCable();
    CLoopbackCable(const CLoopbackCable&) = delete;
    CLoopbackCable& operator=(const CLoopbackCable&) = delete;

    const std::string& Name() const { return fName; }
    // From the program to the far end, and back.
    CLoopbackWire& Outgoing() { return fOutgoing; }
    CLoopbackWire& Incoming() { return fIncoming; }

    // The far end (nullptr: none). It must stay alive until it is detached.
    void AttachFarEnd(CABCMIDIByteSink* farEnd);
    // What the far end sends to the program's input.
    void SendToProgram(const std::uint8_t* bytes, std::size_t count) { fIncoming.Transmit(bytes, count); }

    // The program's open input; answers false when another one is attached.
    bool AttachProgramInput(CABCMIDIByteSink* input);
    void DetachProgramInput(CABCMIDIByteSink* input);

    // Opening either port raises XFailedOpeningMIDIPort while this is set.
    void SetOpenFails(bool fails);
    bool OpenFails() const;

private:
    void ReachFarEnd(const std::uint8_t* bytes, std::size_t count);
    void ReachProgram(const std::uint8_t* bytes, std::size_t count);

    std::string fName;
    mutable std::recursive_mutex fEndsMutex;
    CABCMIDIByteSink* fFarEnd = nullptr;
    CABCMIDIByteSink* fProgramInput = nullptr;
    bool fOpenFails = false;
    CLoopbackWire fOutgoing;
    CLoopbackWire fIncoming;
};
