#pragma once
// An AKAI sampler on the SCSI bus: system exclusive wrapped in AKAI's SCSI
// commands (CAKAISCSILink). The program's MIDI waits read what the sampler
// holds through an input that polls the sampler; what the program sends
// goes out as send commands. No reply in time raises XAKAISCSITimedOut.
#include <memory>

#include "devices/midi/CSysexMIDIInput.h"
#include "samplers/akai/CABCAKAICom.h"
#include "samplers/akai/CAKAISCSILink.h"

class CAKAISCSICom : public CABCAKAICom {
public:
    CAKAISCSICom(const SCSIDevice& device, std::uint8_t channel);
    ~CAKAISCSICom() override;

    CSysexMIDIInput& Parser() override { return fParser; }
    CMIDIOutput& Output() override;
    void SetSampleData(bool sampleData) override { fLink.SetSampleData(sampleData); }
    [[noreturn]] void RaiseTimeOut() const override;

private:
    class Ports;

    CAKAISCSILink fLink;
    CSysexMIDIInput fParser;
    std::unique_ptr<Ports> fPorts;
};
