#pragma once
// An ALSA raw MIDI input port, as the port lists show it.
#include <string>

#include "devices/midi/CRegisteredMIDIInput.h"

class CRegisteredALSAMIDIInput final : public CRegisteredMIDIInput {
public:
    static constexpr const char* kDriverName = "ALSA";

    CRegisteredALSAMIDIInput(const std::string& portName, const std::string& device)
        : CRegisteredMIDIInput(portName, kDriverName), fDevice(device)
    {
    }

protected:
    std::unique_ptr<CMIDIInput> OpenDevice(CMIDIInputParser& parser,
                                           std::unique_ptr<CSysexTraceWriter> trace) override;

private:
    std::string fDevice;
};
