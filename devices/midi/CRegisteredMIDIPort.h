#pragma once
// What every MIDI port found at start-up has: its name (at most 32
// characters, without anything that changes from one start to the next), its
// driver's name, and where its traffic is traced.
#include <cstddef>
#include <memory>
#include <string>

#include "devices/midi/CSysexTraceWriter.h"

class CRegisteredMIDIPort {
public:
    static constexpr std::size_t kNameLength = 32;

    CRegisteredMIDIPort(const std::string& portName, const std::string& driverName);
    virtual ~CRegisteredMIDIPort() = default;
    CRegisteredMIDIPort(const CRegisteredMIDIPort&) = delete;
    CRegisteredMIDIPort& operator=(const CRegisteredMIDIPort&) = delete;

    const std::string& PortName() const { return fPortName; }
    const std::string& DriverName() const { return fDriverName; }
    // Whether `storedName` names this port: stored names are compared by
    // their first 32 characters.
    bool IsNamed(const std::string& storedName) const;
    // The folder the port's messages are traced into; empty for no trace.
    void SetTraceFolder(const std::string& folder) { fTraceFolder = folder; }

protected:
    // A trace for one direction, or none; raises XCreateFailed when the file
    // cannot be opened.
    std::unique_ptr<CSysexTraceWriter> MakeTrace(CSysexTraceWriter::Direction direction) const;

private:
    std::string fPortName;
    std::string fDriverName;
    std::string fTraceFolder;
};
