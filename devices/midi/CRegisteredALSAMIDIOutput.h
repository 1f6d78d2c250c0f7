#pragma once
// An ALSA raw MIDI output port, as the port lists show it.
#include <string>

#include "devices/midi/CRegisteredMIDIOutput.h"

class CRegisteredALSAMIDIOutput final : public CRegisteredMIDIOutput {
public:
    static constexpr const char* kDriverName = "ALSA";

    CRegisteredALSAMIDIOutput(const std::string& portName, const std::string& device)
        : CRegisteredMIDIOutput(portName, kDriverName), fDevice(device)
    {
    }

protected:
    std::unique_ptr<CMIDIOutput> OpenDevice(std::unique_ptr<CSysexTraceWriter> trace) override;

private:
    std::string fDevice;
};
