#pragma once
// The request and reply channel every MIDI sampler protocol is built on: a
// system-exclusive input to read from, an output to send on, a filter that
// picks the replies of one instrument, a hold-off before the next send,
// time-outs and attempts. Times are milliseconds of the program's clock.
#include <cstdint>
#include <optional>

#include "devices/midi/CRawSysex.h"

class CMIDIOutput;
class CSysexMIDIInput;

class CSysexConnection {
public:
    // Accepts every message.
    CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output);
    // Accepts messages whose byte 1 is `manufacturer`, and byte 2 `device`,
    // and byte 3 `byte3`, for each that is given.
    CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t manufacturer);
    CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t manufacturer, std::uint8_t device);
    CSysexConnection(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t manufacturer, std::uint8_t device,
                     std::uint8_t byte3);

    // The earliest send is at least `milliseconds` from now.
    void DelaySending(std::int64_t milliseconds);
    void WaitUntilSendable();
    // Waits until sendable, empties the input, waits again, sends.
    void Send(const CRawSysex& message);
    // Waits until sendable and sends, keeping what the input holds.
    void SendUnflushed(const CRawSysex& message);
    // The next message the filter accepts; XSysexTimedOut after `timeout`.
    CRawSysex Receive(std::int64_t timeout);
    // Sends the request and receives its reply, up to `attempts` times while
    // the replies time out; XSysexTimedOut when all did.
    CRawSysex Transact(const CRawSysex& request, std::int64_t timeout, int attempts);

    bool Accepts(const CRawSysex& message) const;
    CSysexMIDIInput& Input() const { return fInput; }
    CMIDIOutput& Output() const { return fOutput; }

private:
    CSysexMIDIInput& fInput;
    CMIDIOutput& fOutput;
    std::optional<std::uint8_t> fManufacturer;
    std::optional<std::uint8_t> fDevice;
    std::optional<std::uint8_t> fByte3;
    std::int64_t fEarliestSend;
};
