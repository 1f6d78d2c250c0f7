#include "samplers/devices/CSamplerMIDIConnection.h"

#include "devices/midi/CMIDIInput.h"
#include "devices/midi/CMIDIOutput.h"
#include "devices/midi/CMIDIPortLists.h"
#include "devices/midi/CSysexConnection.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/time/CClock.h"

namespace {

// Opens a port of a list, or shows `alert` with its name and raises.
template <typename Open>
auto OpenPort(std::uint16_t index, std::uint16_t count, const std::string& name, ResourceId alert, Open open)
{
    try {
        if (index >= count)
            throw XFailedOpeningMIDIPort();
        return open();
    } catch (const XMIDI&) {
        ShowAlertWithArgument(alert, name);
        throw XFailedOpeningMIDIPort();
    }
}

}  // namespace

CSamplerMIDIConnection::CSamplerMIDIConnection(const CMIDIPortLists& ports, std::uint16_t in, std::uint16_t out)
{
    fInput = OpenPort(in, ports.InputCount(), in < ports.InputCount() ? ports.InputAt(in).PortName() : "",
                      Res::kAlertMIDIInPortBusy, [&] { return ports.InputAt(in).Open(fParser); });
    fOutput = OpenPort(out, ports.OutputCount(), out < ports.OutputCount() ? ports.OutputAt(out).PortName() : "",
                       Res::kAlertMIDIOutPortBusy, [&] { return ports.OutputAt(out).Open(); });
}

CSamplerMIDIConnection::~CSamplerMIDIConnection() = default;

SysexBytes CSamplerMIDIConnection::Ask(const SysexBytes& request, std::int64_t timeout,
                                      const std::function<bool(const SysexBytes&)>& isAnswer)
{
    CSysexConnection connection(fParser, *fOutput);
    connection.Send(CRawSysex(request));
    CClock& clock = CClock::Current();
    const std::int64_t deadline = clock.Milliseconds() + timeout;
    for (;;) {
        const std::int64_t left = deadline - clock.Milliseconds();
        if (left <= 0)
            throw XSysexTimedOut();
        SysexBytes message = connection.Receive(left).Bytes();
        if (isAnswer(message))
            return message;
    }
}
