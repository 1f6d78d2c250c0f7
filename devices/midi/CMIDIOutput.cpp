#include "devices/midi/CMIDIOutput.h"

#include <algorithm>

#include "devices/midi/CMIDIInput.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/time/CClock.h"

namespace {

std::size_t ShortMessageLength(std::uint8_t status)
{
    if (status < 0xF0)
        return (status & 0xE0) == 0xC0 ? 2 : 3;
    if (status == 0xF2)
        return 3;
    return status == 0xF1 || status == 0xF3 ? 2 : 1;
}

}  // namespace

void CMIDIOutput::SendLong(const std::uint8_t* bytes, std::size_t count)
{
    while (count > 0) {
        const std::size_t piece = std::min(count, kPieceSize);
        SendPiece(bytes, piece);
        bytes += piece;
        count -= piece;
    }
}

void CMIDIOutput::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
{
    const std::uint8_t message[3] = {status, data1, data2};
    SendPiece(message, ShortMessageLength(status));
}

void CMIDIOutput::SendPiece(const std::uint8_t* bytes, std::size_t count)
{
    CClock& clock = CClock::Current();
    const std::int64_t deadline = clock.Milliseconds() + kDrainTimeoutMilliseconds;
    Write(bytes, count, deadline);
    if (fTrace)
        fTrace->Record(bytes, count);
    while (!IsDrained()) {
        if (clock.Milliseconds() >= deadline)
            throw XMIDIWriteFailed();
        PollMIDIInputs();
    }
}
