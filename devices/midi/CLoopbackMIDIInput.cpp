#include "devices/midi/CLoopbackMIDIInput.h"

#include "framework/exceptions/DeviceExceptions.h"

CLoopbackMIDIInput::CLoopbackMIDIInput(CRegisteredMIDIInput& port, CMIDIInputParser& parser,
                                       std::unique_ptr<CSysexTraceWriter> trace,
                                       std::shared_ptr<CLoopbackCable> cable)
    : CMIDIInput(port, parser, std::move(trace)), fCable(std::move(cable))
{
    if (!fCable->AttachProgramInput(this))
        throw XFailedOpeningMIDIPort();
}

CLoopbackMIDIInput::~CLoopbackMIDIInput()
{
    fCable->DetachProgramInput(this);
}
