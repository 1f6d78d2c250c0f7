#pragma once
// The search for samplers on the MIDI ports, under the lengthy operation
// "Scanning for MIDI samplers...": every MIDI In port is opened; on each
// MIDI Out port in turn the identification requests go out on the sixteen
// SysEx channels, and for 200 ms every input is listened to. Each answer a
// family recognises is a found sampler; an AKAI answering as S3000 or S2000
// is asked for its exact model. Ports that would not open are reported at
// the end (alert 63). A cancelled scan finds nothing.
#include <vector>

#include "samplers/search/FoundSamplerRecords.h"

class CMIDIPortLists;

class CMIDISamplerScan {
public:
    static constexpr int kChannels = 16;
    static constexpr std::int64_t kPauseAfterChannel = 20;
    static constexpr std::int64_t kListening = 200;
    static constexpr std::int64_t kModelTimeout = 1000;

    explicit CMIDISamplerScan(const CMIDIPortLists& ports) : fPorts(ports) {}

    std::vector<MIDIFoundRecord> Run();

private:
    const CMIDIPortLists& fPorts;
};
