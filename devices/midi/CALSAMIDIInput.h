#pragma once
// An open ALSA raw MIDI input. Its reader thread plays the driver callback's
// part: it waits for bytes and delivers them as they arrive, nothing more.
#include <alsa/asoundlib.h>

#include <string>
#include <thread>

#include "devices/midi/CMIDIInput.h"

class CALSAMIDIInput final : public CMIDIInput {
public:
    static constexpr std::size_t kReadSize = 2048;

    // Raises XFailedOpeningMIDIPort when the device cannot be opened.
    CALSAMIDIInput(CRegisteredMIDIInput& port, CMIDIInputParser& parser, std::unique_ptr<CSysexTraceWriter> trace,
                   const std::string& device);
    ~CALSAMIDIInput() override;

private:
    void Read();

    snd_rawmidi_t* fHandle = nullptr;
    int fStopEvent = -1;  // an eventfd that ends the reader's wait
    std::thread fReader;
};
