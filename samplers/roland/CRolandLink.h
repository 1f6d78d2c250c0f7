#pragma once
// The Roland exclusive conversation with one S-760: one-way data sets, and
// the handshake reads (request data, data packets, end of data, each
// acknowledged) and writes (want to send, data packets, end of data, each
// waited on). Times are milliseconds of the program's clock.
#include <cstdint>

#include "devices/midi/CSysexConnection.h"
#include "samplers/roland/RolandMessages.h"

class CRolandLink {
public:
    // The pause after each one-way data set.
    static constexpr std::int64_t kDataSetSpacing = 50;

    CRolandLink(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device);

    std::uint8_t Device() const { return fDevice; }
    // Passes when equal; XSysexCommunicationException for ERR,
    // XRolandRejectException for RJC, XRolandUnexpectedCommand otherwise.
    static void CheckCommand(std::uint8_t received, std::uint8_t expected);
    // The data of a message of `command` at `address` with at most `room`
    // bytes and a right checksum (XRolandUnexpectedCommand,
    // XRolandUnexpectedAddress, XSysexTooBig, XSysexChecksumFailure).
    static Roland::Bytes ParseData(const Roland::Bytes& message, std::uint8_t command, std::uint32_t address,
                                   std::size_t room);

    // DT1 messages of at most 256 data bytes, each followed by a pause.
    void SendDataSet(std::uint32_t address, const Roland::Bytes& data);
    // The data of the next DT1 at `address`.
    Roland::Bytes ReceiveDataSet(std::uint32_t address, std::size_t room, std::int64_t timeout);
    // The `size` bytes at `address`, by the handshake read.
    Roland::Bytes RequestData(std::uint32_t address, std::uint32_t size, std::int64_t timeout);
    // `data` to `address`, by the handshake write.
    void WantToSend(std::uint32_t address, const Roland::Bytes& data, std::int64_t timeout);

    void DelaySending(std::int64_t milliseconds) { fConnection.DelaySending(milliseconds); }
    // Waits `milliseconds` from now before going on.
    void Pause(std::int64_t milliseconds);

private:
    Roland::Bytes Receive(std::int64_t timeout, std::size_t shortest);
    void Acknowledge();
    // Sends `message` and waits for its ACK.
    void TransactAcknowledged(const Roland::Bytes& message, std::int64_t timeout);

    CSysexConnection fConnection;
    std::uint8_t fDevice;
};
