#include "devices/midi/CRegisteredALSAMIDIInput.h"

#include "devices/midi/CALSAMIDIInput.h"

std::unique_ptr<CMIDIInput> CRegisteredALSAMIDIInput::OpenDevice(CMIDIInputParser& parser,
                                                                 std::unique_ptr<CSysexTraceWriter> trace)
{
    return std::make_unique<CALSAMIDIInput>(*this, parser, std::move(trace), fDevice);
}
