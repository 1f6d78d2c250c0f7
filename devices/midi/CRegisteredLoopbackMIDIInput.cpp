#include "devices/midi/CRegisteredLoopbackMIDIInput.h"

#include "devices/midi/CLoopbackMIDIInput.h"
#include "framework/exceptions/DeviceExceptions.h"

CRegisteredLoopbackMIDIInput::CRegisteredLoopbackMIDIInput(std::shared_ptr<CLoopbackCable> cable)
    : CRegisteredMIDIInput(cable->Name(), kDriverName), fCable(std::move(cable))
{
}

std::unique_ptr<CMIDIInput> CRegisteredLoopbackMIDIInput::OpenDevice(CMIDIInputParser& parser,
                                                                     std::unique_ptr<CSysexTraceWriter> trace)
{
    if (fCable->OpenFails())
        throw XFailedOpeningMIDIPort();
    return std::make_unique<CLoopbackMIDIInput>(*this, parser, std::move(trace), fCable);
}
