#include "devices/midi/CSysexConnection.h"

#include <algorithm>

#include "devices/midi/CMIDIInput.h"
#include "devices/midi/CMIDIOutput.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/time/CClock.h"

CSysexConnection::CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output)
    : fInput(input), fOutput(output), fEarliestSend(CClock::Current().Milliseconds())
{
}

CSysexConnection::CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t manufacturer)
    : CSysexConnection(input, output)
{
    fManufacturer = manufacturer;
}

CSysexConnection::CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t manufacturer,
                                   std::uint8_t device)
    : CSysexConnection(input, output, manufacturer)
{
    fDevice = device;
}

CSysexConnection::CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t manufacturer,
                                   std::uint8_t device, std::uint8_t byte3)
    : CSysexConnection(input, output, manufacturer, device)
{
    fByte3 = byte3;
}

void CSysexConnection::DelaySending(std::int64_t milliseconds)
{
    fEarliestSend = std::max(fEarliestSend, CClock::Current().Milliseconds() + milliseconds);
}

void CSysexConnection::WaitUntilSendable()
{
    while (CClock::Current().Milliseconds() < fEarliestSend)
        PollMIDIInputs();
}

void CSysexConnection::Send(const CRawSysex& message)
{
    WaitUntilSendable();
    fInput.Flush();
    WaitUntilSendable();
    fOutput.SendLong(message.Data(), message.Length());
}

void CSysexConnection::SendUnflushed(const CRawSysex& message)
{
    WaitUntilSendable();
    fOutput.SendLong(message.Data(), message.Length());
}

bool CSysexConnection::Accepts(const CRawSysex& message) const
{
    const std::size_t needed = fByte3 ? 5 : fDevice ? 4 : fManufacturer ? 3 : 2;
    return message.Length() >= needed && message[0] == 0xF0 && (!fManufacturer || message[1] == *fManufacturer) &&
           (!fDevice || message[2] == *fDevice) && (!fByte3 || message[3] == *fByte3);
}

CRawSysex CSysexConnection::Receive(std::int64_t timeout)
{
    CClock& clock = CClock::Current();
    const std::int64_t deadline = clock.Milliseconds() + timeout;
    for (;;) {
        if (auto message = fInput.NextMessage(); message && Accepts(*message))
            return std::move(*message);
        PollMIDIInputs();
        if (clock.Milliseconds() >= deadline)
            throw XSysexTimedOut();
    }
}

CRawSysex CSysexConnection::Transact(const CRawSysex& request, std::int64_t timeout, int attempts)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        Send(request);
        try {
            return Receive(timeout);
        } catch (const XSysexTimedOut&) {
        }
    }
    throw XSysexTimedOut();
}
