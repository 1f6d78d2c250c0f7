#include "devices/midi/CRegisteredMIDIPort.h"

CRegisteredMIDIPort::CRegisteredMIDIPort(const std::string& portName, const std::string& driverName)
    : fPortName(portName.substr(0, kNameLength)), fDriverName(driverName.substr(0, kNameLength))
{
}

bool CRegisteredMIDIPort::IsNamed(const std::string& storedName) const
{
    return storedName.substr(0, kNameLength) == fPortName;
}

std::unique_ptr<CSysexTraceWriter> CRegisteredMIDIPort::MakeTrace(CSysexTraceWriter::Direction direction) const
{
    if (fTraceFolder.empty())
        return nullptr;
    return std::make_unique<CSysexTraceWriter>(CSysexTraceWriter::PathFor(fTraceFolder, fPortName, direction));
}
