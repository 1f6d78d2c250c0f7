#include "samplers/devices/CMIDISamplerScan.h"

#include <memory>
#include <optional>

#include "devices/midi/CMIDIInput.h"
#include "devices/midi/CMIDIOutput.h"
#include "devices/midi/CMIDIPortLists.h"
#include "devices/midi/CSysexConnection.h"
#include "devices/midi/CSysexMIDIInput.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/time/CClock.h"
#include "samplers/identification/AKAIIdentification.h"
#include "samplers/identification/SamplerRecognition.h"

namespace {

// One MIDI In port, open for the whole scan.
struct Listener {
    std::uint16_t index = 0;
    CSysexMIDIInput parser;
    std::unique_ptr<CMIDIInput> input;
};

// Lets `milliseconds` pass while the inputs take in what arrives.
void Listen(std::int64_t milliseconds)
{
    CClock& clock = CClock::Current();
    const std::int64_t until = clock.Milliseconds() + milliseconds;
    while (clock.Milliseconds() < until)
        PollMIDIInputs();
}

// The exact model an AKAI sampler of the S3000 family tells, if it does.
std::optional<std::uint32_t> AskExactModel(CSysexMIDIInput& parser, CMIDIOutput& output, std::uint8_t channel)
{
    CSysexConnection connection(parser, output);
    connection.Send(CRawSysex(AKAIIdentification::ModelRequest(channel)));
    CClock& clock = CClock::Current();
    const std::int64_t deadline = clock.Milliseconds() + CMIDISamplerScan::kModelTimeout;
    try {
        while (clock.Milliseconds() < deadline)
            if (auto model = AKAIIdentification::RecogniseModel(
                    connection.Receive(deadline - clock.Milliseconds()).Bytes(), channel))
                return model;
    } catch (const XSysexTimedOut&) {
    }
    return std::nullopt;
}

}  // namespace

std::vector<MIDIFoundRecord> CMIDISamplerScan::Run()
{
    CLengthyOperation operation(Res::kStringScanningMIDI, Res::kStringCancel);
    bool unavailable = false;
    std::vector<std::unique_ptr<Listener>> listeners;
    for (std::uint16_t in = 0; in < fPorts.InputCount(); ++in) {
        auto listener = std::make_unique<Listener>();
        listener->index = in;
        try {
            listener->input = fPorts.InputAt(in).Open(listener->parser);
            listeners.push_back(std::move(listener));
        } catch (const XMIDI&) {
            unavailable = true;
        } catch (const XFile&) {
            unavailable = true;
        }
    }
    std::vector<MIDIFoundRecord> found;
    const std::uint16_t outputs = fPorts.OutputCount();
    for (std::uint16_t out = 0; out < outputs; ++out) {
        operation.Update(outputs - out, static_cast<std::uint16_t>(out * 100 / outputs));
        if (operation.WasCancelled()) {
            operation.SetTitle(Res::kStringCancelled);
            return {};
        }
        for (const auto& listener : listeners)
            listener->parser.Flush();
        std::unique_ptr<CMIDIOutput> output;
        try {
            output = fPorts.OutputAt(out).Open();
            for (std::uint8_t channel = 0; channel < kChannels; ++channel) {
                for (const SysexBytes& request : ScanRequests(channel))
                    output->SendLong(request.data(), request.size());
                Listen(kPauseAfterChannel);
            }
        } catch (const XMIDI&) {
            unavailable = true;
            continue;
        } catch (const XFile&) {
            unavailable = true;
            continue;
        }
        Listen(kListening);
        const std::size_t first = found.size();
        for (const auto& listener : listeners)
            while (const std::optional<CRawSysex> message = listener->parser.NextMessage())
                if (const auto answer = RecogniseMIDIAnswer(message->Bytes()))
                    found.push_back({out, listener->index, answer->sysexId, answer->typeId, answer->version});
        for (std::size_t i = first; i < found.size(); ++i) {
            if (!AKAIIdentification::HasExactModel(found[i].typeId))
                continue;
            for (const auto& listener : listeners)
                if (listener->index == found[i].in)
                    if (const auto model = AskExactModel(listener->parser, *output, found[i].sysexId))
                        found[i].typeId = *model;
        }
    }
    operation.Finish();
    listeners.clear();
    if (unavailable)
        ShowAlert(Res::kAlertSearchIncomplete);
    return found;
}
