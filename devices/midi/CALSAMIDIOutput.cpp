#include "devices/midi/CALSAMIDIOutput.h"

#include "devices/midi/CMIDIInput.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/time/CClock.h"

CALSAMIDIOutput::CALSAMIDIOutput(CRegisteredMIDIOutput& port, std::unique_ptr<CSysexTraceWriter> trace,
                                 const std::string& device)
    : CMIDIOutput(port, std::move(trace))
{
    if (snd_rawmidi_open(nullptr, &fHandle, device.c_str(), SND_RAWMIDI_NONBLOCK) < 0)
        throw XFailedOpeningMIDIPort();
    snd_rawmidi_params_t* params;
    snd_rawmidi_params_alloca(&params);
    if (snd_rawmidi_params_current(fHandle, params) < 0) {
        snd_rawmidi_close(fHandle);
        throw XFailedOpeningMIDIPort();
    }
    fBufferSize = snd_rawmidi_params_get_buffer_size(params);
}

CALSAMIDIOutput::~CALSAMIDIOutput()
{
    snd_rawmidi_close(fHandle);
}

void CALSAMIDIOutput::Write(const std::uint8_t* bytes, std::size_t count, std::int64_t deadline)
{
    CClock& clock = CClock::Current();
    while (count > 0) {
        const ssize_t written = snd_rawmidi_write(fHandle, bytes, count);
        if (written > 0) {
            bytes += written;
            count -= static_cast<std::size_t>(written);
        } else if (written != -EAGAIN && written != 0) {
            throw XMIDIWriteFailed();
        } else if (clock.Milliseconds() >= deadline) {
            throw XMIDIWriteFailed();
        } else {
            PollMIDIInputs();
        }
    }
}

bool CALSAMIDIOutput::IsDrained()
{
    snd_rawmidi_status_t* status;
    snd_rawmidi_status_alloca(&status);
    if (snd_rawmidi_status(fHandle, status) < 0)
        throw XMIDIWriteFailed();
    return snd_rawmidi_status_get_avail(status) >= fBufferSize;
}
