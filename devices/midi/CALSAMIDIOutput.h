#pragma once
// An open ALSA raw MIDI output, written without blocking so that every wait
// has a deadline.
#include <alsa/asoundlib.h>

#include <string>

#include "devices/midi/CMIDIOutput.h"

class CALSAMIDIOutput final : public CMIDIOutput {
public:
    // Raises XFailedOpeningMIDIPort when the device cannot be opened.
    CALSAMIDIOutput(CRegisteredMIDIOutput& port, std::unique_ptr<CSysexTraceWriter> trace, const std::string& device);
    ~CALSAMIDIOutput() override;

protected:
    void Write(const std::uint8_t* bytes, std::size_t count, std::int64_t deadline) override;
    // Whether the driver's buffer is empty: every byte went to the interface.
    bool IsDrained() override;

private:
    snd_rawmidi_t* fHandle = nullptr;
    std::size_t fBufferSize = 0;
};
