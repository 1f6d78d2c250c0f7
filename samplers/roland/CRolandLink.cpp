#include "samplers/roland/CRolandLink.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"

using namespace Roland;

CRolandLink::CRolandLink(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device)
    : fConnection(input, output, kManufacturer, device, kS760Model), fDevice(device)
{
}

void CRolandLink::CheckCommand(std::uint8_t received, std::uint8_t expected)
{
    if (received == expected)
        return;
    if (received == kERR)
        throw XSysexCommunicationException();
    if (received == kRJC)
        throw XRolandRejectException();
    throw XRolandUnexpectedCommand();
}

Bytes CRolandLink::ParseData(const Bytes& message, std::uint8_t command, std::uint32_t address, std::size_t room)
{
    if (message.size() < kFrameLength)
        throw XSysexTooSmall();
    if (message[4] != command)
        throw XRolandUnexpectedCommand();
    if (AddressOf(message) != address)
        throw XRolandUnexpectedAddress();
    const std::size_t count = message.size() - kFrameLength;
    if (count > room)
        throw XSysexTooBig();
    if (message[message.size() - 2] != ExpectedChecksum(message))
        throw XSysexChecksumFailure();
    return Bytes(message.begin() + kDataOffset, message.begin() + static_cast<std::ptrdiff_t>(kDataOffset + count));
}

void CRolandLink::SendDataSet(std::uint32_t address, const Bytes& data)
{
    for (std::size_t offset = 0; offset < data.size(); offset += kMaxPiece) {
        const std::size_t count = std::min(kMaxPiece, data.size() - offset);
        fConnection.SendUnflushed(CRawSysex(AddressDataMessage(
            fDevice, kDT1, address + static_cast<std::uint32_t>(offset), data.data() + offset, count)));
        fConnection.DelaySending(kDataSetSpacing);
    }
}

Bytes CRolandLink::Receive(std::int64_t timeout, std::size_t shortest)
{
    Bytes message = fConnection.Receive(timeout).Bytes();
    if (message.size() < shortest)
        throw XSysexCommunicationException();
    return message;
}

Bytes CRolandLink::ReceiveDataSet(std::uint32_t address, std::size_t room, std::int64_t timeout)
{
    const Bytes message = fConnection.Receive(timeout).Bytes();
    CRawSysex(message).RequireLength(kFrameLength);
    return ParseData(message, kDT1, address, room);
}

void CRolandLink::Acknowledge()
{
    fConnection.SendUnflushed(CRawSysex(ShortMessage(fDevice, kACK)));
}

Bytes CRolandLink::RequestData(std::uint32_t address, std::uint32_t size, std::int64_t timeout)
{
    fConnection.Send(CRawSysex(AddressSizeMessage(fDevice, kRQD, address, size)));
    Bytes data;
    while (data.size() < size) {
        const Bytes message = Receive(timeout, kShortLength);
        CheckCommand(message[4], kDAT);
        if (message.size() < kFrameLength)
            throw XSysexCommunicationException();
        const Bytes piece = ParseData(message, kDAT, address + static_cast<std::uint32_t>(data.size()),
                                      size - data.size());
        data.insert(data.end(), piece.begin(), piece.end());
        Acknowledge();
    }
    CheckCommand(Receive(timeout, kShortLength)[4], kEOD);
    Acknowledge();
    return data;
}

void CRolandLink::TransactAcknowledged(const Bytes& message, std::int64_t timeout)
{
    const CRawSysex reply = fConnection.Transact(CRawSysex(message), timeout, 1);
    if (reply.Length() < kShortLength)
        throw XSysexCommunicationException();
    CheckCommand(reply[4], kACK);
}

void CRolandLink::WantToSend(std::uint32_t address, const Bytes& data, std::int64_t timeout)
{
    const auto size = static_cast<std::uint32_t>(data.size());
    TransactAcknowledged(AddressSizeMessage(fDevice, kWSD, address, size), timeout);
    for (std::size_t offset = 0; offset < data.size(); offset += kMaxPiece) {
        const std::size_t count = std::min(kMaxPiece, data.size() - offset);
        TransactAcknowledged(AddressDataMessage(fDevice, kDAT, address + static_cast<std::uint32_t>(offset),
                                                data.data() + offset, count),
                             timeout);
    }
    TransactAcknowledged(AddressSizeMessage(fDevice, kEOD, address, size), timeout);
}

void CRolandLink::Pause(std::int64_t milliseconds)
{
    fConnection.DelaySending(milliseconds);
    fConnection.WaitUntilSendable();
}
