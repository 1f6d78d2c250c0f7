#include "samplers/roland/CRolandLink.h"

#include <algorithm>

#include "framework/exceptions/SamplerExceptions.h"

CRolandLink::CRolandLink(CSysexMIDIInput& input, CMIDIOutput& output, std::uint8_t device)
    : fConnection(input, output, Roland::kManufacturer, device, Roland::kS760Model), fDevice(device)
{
}

void CRolandLink::CheckCommand(std::uint8_t received, std::uint8_t expected)
{
    if (received == expected)
        return;
    if (received == Roland::kERR)
        throw XSysexCommunicationException();
    if (received == Roland::kRJC)
        throw XRolandRejectException();
    throw XRolandUnexpectedCommand();
}

Roland::Bytes CRolandLink::ParseData(const Roland::Bytes& message, std::uint8_t command, std::uint32_t address,
                                     std::size_t room)
{
    if (message.size() < Roland::kFrameLength)
        throw XSysexTooSmall();
    if (message[4] != command)
        throw XRolandUnexpectedCommand();
    if (Roland::AddressOf(message) != address)
        throw XRolandUnexpectedAddress();
    const std::size_t count = message.size() - Roland::kFrameLength;
    if (count > room)
        throw XSysexTooBig();
    if (message[message.size() - 2] != Roland::ExpectedChecksum(message))
        throw XSysexChecksumFailure();
    return Roland::Bytes(message.begin() + Roland::kDataOffset,
                         message.begin() + static_cast<std::ptrdiff_t>(Roland::kDataOffset + count));
}

void CRolandLink::SendDataSet(std::uint32_t address, const Roland::Bytes& data)
{
    for (std::size_t offset = 0; offset < data.size(); offset += Roland::kMaxPiece) {
        const std::size_t count = std::min(Roland::kMaxPiece, data.size() - offset);
        fConnection.SendUnflushed(CRawSysex(Roland::AddressDataMessage(
            fDevice, Roland::kDT1, address + static_cast<std::uint32_t>(offset), data.data() + offset, count)));
        fConnection.DelaySending(kDataSetSpacing);
    }
}

Roland::Bytes CRolandLink::Receive(std::int64_t timeout, std::size_t shortest)
{
    Roland::Bytes message = fConnection.Receive(timeout).Bytes();
    if (message.size() < shortest)
        throw XSysexCommunicationException();
    return message;
}

Roland::Bytes CRolandLink::ReceiveDataSet(std::uint32_t address, std::size_t room, std::int64_t timeout)
{
    const Roland::Bytes message = fConnection.Receive(timeout).Bytes();
    CRawSysex(message).RequireLength(Roland::kFrameLength);
    return ParseData(message, Roland::kDT1, address, room);
}

void CRolandLink::Acknowledge()
{
    fConnection.SendUnflushed(CRawSysex(Roland::ShortMessage(fDevice, Roland::kACK)));
}

Roland::Bytes CRolandLink::RequestData(std::uint32_t address, std::uint32_t size, std::int64_t timeout)
{
    fConnection.Send(CRawSysex(Roland::AddressSizeMessage(fDevice, Roland::kRQD, address, size)));
    Roland::Bytes data;
    while (data.size() < size) {
        const Roland::Bytes message = Receive(timeout, Roland::kShortLength);
        CheckCommand(message[4], Roland::kDAT);
        if (message.size() < Roland::kFrameLength)
            throw XSysexCommunicationException();
        const Roland::Bytes piece = ParseData(message, Roland::kDAT, address + static_cast<std::uint32_t>(data.size()),
                                      size - data.size());
        data.insert(data.end(), piece.begin(), piece.end());
        Acknowledge();
    }
    CheckCommand(Receive(timeout, Roland::kShortLength)[4], Roland::kEOD);
    Acknowledge();
    return data;
}

void CRolandLink::TransactAcknowledged(const Roland::Bytes& message, std::int64_t timeout)
{
    const CRawSysex reply = fConnection.Transact(CRawSysex(message), timeout, 1);
    if (reply.Length() < Roland::kShortLength)
        throw XSysexCommunicationException();
    CheckCommand(reply[4], Roland::kACK);
}

void CRolandLink::WantToSend(std::uint32_t address, const Roland::Bytes& data, std::int64_t timeout)
{
    const auto size = static_cast<std::uint32_t>(data.size());
    TransactAcknowledged(Roland::AddressSizeMessage(fDevice, Roland::kWSD, address, size), timeout);
    for (std::size_t offset = 0; offset < data.size(); offset += Roland::kMaxPiece) {
        const std::size_t count = std::min(Roland::kMaxPiece, data.size() - offset);
        TransactAcknowledged(
            Roland::AddressDataMessage(fDevice, Roland::kDAT, address + static_cast<std::uint32_t>(offset),
                                       data.data() + offset, count),
            timeout);
    }
    TransactAcknowledged(Roland::AddressSizeMessage(fDevice, Roland::kEOD, address, size), timeout);
}

void CRolandLink::Pause(std::int64_t milliseconds)
{
    fConnection.DelaySending(milliseconds);
    fConnection.WaitUntilSendable();
}
