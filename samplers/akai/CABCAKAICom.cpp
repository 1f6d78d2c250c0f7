#include "samplers/akai/CABCAKAICom.h"

#include "devices/midi/CSysexConnection.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "framework/exceptions/SamplerExceptions.h"

void CABCAKAICom::SendMessage(const std::vector<std::uint8_t>& message)
{
    CSysexConnection(Parser(), Output()).Send(CRawSysex(message));
}

void CABCAKAICom::FlushInput()
{
    Parser().Flush();
}

std::optional<std::vector<std::uint8_t>> CABCAKAICom::ReceiveMessage(std::int64_t timeout)
{
    try {
        return CSysexConnection(Parser(), Output()).Receive(timeout).Bytes();
    } catch (const XSysexTimedOut&) {
        return std::nullopt;
    }
}
