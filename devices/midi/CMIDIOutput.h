#pragma once
// An open MIDI output. Long messages go out in pieces of at most 2048 bytes;
// after each piece the output waits, polling the inputs, until the device
// says the data has left, and raises XMIDIWriteFailed when it has not within
// the drain time-out (an unplugged interface never finishes).
#include <cstddef>
#include <cstdint>
#include <memory>

#include "devices/midi/CSysexTraceWriter.h"

class CRegisteredMIDIOutput;

class CMIDIOutput {
public:
    static constexpr std::size_t kPieceSize = 2048;
    // A full piece takes 655 ms at MIDI's 3125 bytes per second.
    static constexpr std::int64_t kDrainTimeoutMilliseconds = 3000;

    // `trace` (may be null) records every byte sent.
    CMIDIOutput(CRegisteredMIDIOutput& port, std::unique_ptr<CSysexTraceWriter> trace)
        : fPort(port), fTrace(std::move(trace))
    {
    }
    virtual ~CMIDIOutput() = default;
    CMIDIOutput(const CMIDIOutput&) = delete;
    CMIDIOutput& operator=(const CMIDIOutput&) = delete;

    void SendLong(const std::uint8_t* bytes, std::size_t count);
    // One short message; its length follows from the status byte.
    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

    CRegisteredMIDIOutput& Port() const { return fPort; }

protected:
    // Hands `count` bytes (at most one piece) to the device by `deadline`
    // (program clock); raises XMIDIWriteFailed when it refuses them.
    virtual void Write(const std::uint8_t* bytes, std::size_t count, std::int64_t deadline) = 0;
    // Whether everything written so far has left the device.
    virtual bool IsDrained() = 0;

private:
    void SendPiece(const std::uint8_t* bytes, std::size_t count);

    CRegisteredMIDIOutput& fPort;
    std::unique_ptr<CSysexTraceWriter> fTrace;
};
