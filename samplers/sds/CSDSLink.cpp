#include "samplers/sds/CSDSLink.h"

#include "framework/exceptions/SamplerExceptions.h"
#include "framework/time/CClock.h"

CSDSLink::CSDSLink(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel, std::int64_t timeout)
    : fConnection(input, output, SDS::kUniversalNonRealTime, channel), fChannel(channel), fTimeout(timeout)
{
}

SDS::Bytes CSDSLink::AwaitReply()
{
    CClock& clock = CClock::Current();
    const std::int64_t start = clock.Milliseconds();
    std::int64_t timeout = fTimeout;
    for (;;) {
        SDS::Bytes message = fConnection.Receive(timeout).Bytes();
        if (SDS::IsHandshake(message) && message[3] == SDS::kWait) {
            // A sampler that asked to be waited for may take until the
            // longest wait is over, however short the reply time-out.
            const std::int64_t waited = clock.Milliseconds() - start;
            if (waited >= kLongestWait)
                throw XSysexTimedOut();
            timeout = kLongestWait - waited;
            continue;
        }
        if (SDS::IsHandshake(message) && message[3] == SDS::kCancel)
            throw XSDSCancelled();
        return message;
    }
}

void CSDSLink::Send(const SDS::Bytes& message)
{
    fConnection.Send(CRawSysex(message));
}

void CSDSLink::SendUnflushed(const SDS::Bytes& message)
{
    fConnection.SendUnflushed(CRawSysex(message));
}

void CSDSLink::SendHandshake(std::uint8_t type, std::uint8_t packet, bool flush)
{
    const SDS::Bytes message = SDS::HandshakeMessage(fChannel, type, packet);
    if (flush)
        Send(message);
    else
        SendUnflushed(message);
}

void CSDSLink::CancelExchange(std::uint8_t packet)
{
    try {
        fConnection.Receive(fTimeout);
    } catch (...) {
        // Whatever the sampler said last, or its silence, changes nothing now.
    }
    SendHandshake(SDS::kCancel, packet, false);
}
