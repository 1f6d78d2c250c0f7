#include "samplers/akai/CAKAIMIDICom.h"

#include "framework/exceptions/SamplerExceptions.h"
#include "samplers/devices/CSamplerMIDIConnection.h"

CAKAIMIDICom::CAKAIMIDICom(std::unique_ptr<CSamplerMIDIConnection> connection, std::uint8_t channel)
    : CABCAKAICom(channel), fConnection(std::move(connection))
{
}

CAKAIMIDICom::~CAKAIMIDICom() = default;

CSysexMIDIInput& CAKAIMIDICom::Parser()
{
    return fConnection->Parser();
}

CMIDIOutput& CAKAIMIDICom::Output()
{
    return fConnection->Output();
}

void CAKAIMIDICom::RaiseTimeOut() const
{
    throw XSysexTimedOut();
}
