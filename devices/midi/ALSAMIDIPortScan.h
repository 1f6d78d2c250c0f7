#pragma once
// The raw MIDI ports of the ALSA sound cards. Devices are named by the
// card's id, which stays the same from one start to the next, never by the
// card's number, which does not.
#include <string>
#include <vector>

struct ALSAMIDIPort {
    std::string name;    // what the user sees and the preferences store
    std::string device;  // what snd_rawmidi_open takes, e.g. "hw:CARD=UM1,DEV=0,SUBDEV=0"
};

struct ALSAMIDIPorts {
    std::vector<ALSAMIDIPort> inputs;
    std::vector<ALSAMIDIPort> outputs;
};

// Every port of every card; nothing when ALSA has no cards. Names are cut to
// 32 characters and made unique.
ALSAMIDIPorts ScanALSAMIDIPorts();
