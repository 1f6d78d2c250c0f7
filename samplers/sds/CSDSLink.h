#pragma once
// The SDS conversation with one sampler on one channel, shared by the
// transmitter and the receiver: the connection that takes the sampler's
// Universal Non-Real-Time messages on that channel, the reply time-out,
// the wait that lets WAIT pass, and the cancel exchange.
#include <cstdint>

#include "devices/midi/CSysexConnection.h"
#include "samplers/sds/SDSMessages.h"

class CMIDIOutput;
class CSysexMIDIInput;

class CSDSLink {
public:
    // The longest a sampler may hold the transfer with WAIT.
    static constexpr std::int64_t kLongestWait = 30000;

    CSDSLink(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t channel, std::int64_t timeout);

    std::uint8_t Channel() const { return fChannel; }
    // The next message but WAIT: XSysexTimedOut when none comes within the
    // time-out (after a WAIT: until kLongestWait from the start), or when
    // WAITs hold it longer than kLongestWait; XSDSCancelled for CANCEL.
    SDS::Bytes AwaitReply();
    // Empties the input first.
    void Send(const SDS::Bytes& message);
    // Keeps what the input holds.
    void SendUnflushed(const SDS::Bytes& message);
    void SendHandshake(std::uint8_t type, std::uint8_t packet, bool flush);
    // Takes one more message from the sampler, whatever it is or whether it
    // comes, then sends CANCEL with `packet`.
    void CancelExchange(std::uint8_t packet);

private:
    CSysexConnection fConnection;
    std::uint8_t fChannel;
    std::int64_t fTimeout;
};
