#include "devices/midi/CALSAMIDIInput.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "framework/exceptions/DeviceExceptions.h"

CALSAMIDIInput::CALSAMIDIInput(CRegisteredMIDIInput& port, CMIDIInputParser& parser,
                               std::unique_ptr<CSysexTraceWriter> trace, const std::string& device)
    : CMIDIInput(port, parser, std::move(trace))
{
    if (snd_rawmidi_open(&fHandle, nullptr, device.c_str(), SND_RAWMIDI_NONBLOCK) < 0)
        throw XFailedOpeningMIDIPort();
    fStopEvent = eventfd(0, EFD_CLOEXEC);
    if (fStopEvent < 0) {
        snd_rawmidi_close(fHandle);
        throw XFailedOpeningMIDIPort();
    }
    fReader = std::thread(&CALSAMIDIInput::Read, this);
}

CALSAMIDIInput::~CALSAMIDIInput()
{
    const std::uint64_t one = 1;
    if (write(fStopEvent, &one, sizeof one) < 0) {
        // the reader also ends when the device goes away; nothing else to do
    }
    fReader.join();
    close(fStopEvent);
    snd_rawmidi_close(fHandle);
}

void CALSAMIDIInput::Read()
{
    const int count = snd_rawmidi_poll_descriptors_count(fHandle);
    std::vector<pollfd> waits(static_cast<std::size_t>(count) + 1);
    snd_rawmidi_poll_descriptors(fHandle, waits.data(), static_cast<unsigned int>(count));
    waits[static_cast<std::size_t>(count)] = {fStopEvent, POLLIN, 0};
    std::uint8_t buffer[kReadSize];
    for (;;) {
        if (poll(waits.data(), waits.size(), -1) < 0 && errno != EINTR)
            return;
        if (waits.back().revents)
            return;
        for (;;) {
            const ssize_t got = snd_rawmidi_read(fHandle, buffer, sizeof buffer);
            if (got == -EAGAIN)
                break;
            if (got < 0)
                return;  // the interface went away
            Deliver(buffer, static_cast<std::size_t>(got));
        }
    }
}
