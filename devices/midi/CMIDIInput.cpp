#include "devices/midi/CMIDIInput.h"

#include <algorithm>

#include "devices/midi/CMIDIInputParser.h"
#include "framework/time/CClock.h"

namespace {

std::vector<CMIDIInput*> gOpenInputs;
std::mutex gSignalMutex;
std::function<void()> gArrivalSignal;

}  // namespace

CMIDIInput::CMIDIInput(CRegisteredMIDIInput& port, CMIDIInputParser& parser,
                       std::unique_ptr<CSysexTraceWriter> trace)
    : fPort(port), fParser(parser), fTrace(std::move(trace))
{
    fParser.SetInput(this);
    gOpenInputs.push_back(this);
}

CMIDIInput::~CMIDIInput()
{
    std::erase(gOpenInputs, this);
    if (fParser.Input() == this)
        fParser.SetInput(nullptr);
}

void CMIDIInput::SetArrivalSignal(std::function<void()> signal)
{
    std::lock_guard lock(gSignalMutex);
    gArrivalSignal = std::move(signal);
}

void CMIDIInput::Poll()
{
    while (const auto event = fShortEvents.TryPop())
        fParser.OnShortMessage(*this, *event);
    for (;;) {
        DeferredSysex piece;
        {
            std::lock_guard lock(fDeferredMutex);
            if (fDeferred.empty())
                break;
            piece = std::move(fDeferred.front());
            fDeferred.pop_front();
        }
        fParser.OnSysex(*this, piece.time, piece.data.data(), piece.data.size());
    }
}

void CMIDIInput::Deliver(const std::uint8_t* bytes, std::size_t count)
{
    if (fTrace)
        fTrace->Record(bytes, count);
    fArrivalTime = static_cast<std::uint32_t>(CClock::Current().Milliseconds());
    fSplitter.Split(bytes, count, fArrivalTime, *this);
    std::lock_guard lock(gSignalMutex);
    if (gArrivalSignal)
        gArrivalSignal();
}

void CMIDIInput::OnSysexBytes(const std::uint8_t* bytes, std::size_t count)
{
    if (fParser.WantsSysexNow())
        fParser.OnSysexNow(*this, fArrivalTime, bytes, count);
    if (fParser.DeliversSysexLater())
        Defer(bytes, count);
}

void CMIDIInput::OnShortEvent(const MIDIEvent& event)
{
    if (fParser.WantsShortNow())
        fParser.OnShortMessageNow(*this, event);
    if (fParser.QueuesShortMessages())
        fShortEvents.TryPush(event);
}

void CMIDIInput::Defer(const std::uint8_t* bytes, std::size_t count)
{
    // Pieces close at F7 or when full; with every piece still waiting for the
    // user-interface thread, new data is dropped.
    std::lock_guard lock(fDeferredMutex);
    for (std::size_t i = 0; i < count; ++i) {
        if (fDeferred.empty() || fDeferred.back().data.size() == kDeferredPieceSize ||
            (!fDeferred.back().data.empty() && fDeferred.back().data.back() == 0xF7)) {
            if (fDeferred.size() == kDeferredPieces)
                return;
            fDeferred.push_back({fArrivalTime, {}});
        }
        fDeferred.back().data.push_back(bytes[i]);
    }
}

void PollMIDIInputs()
{
    for (std::size_t i = 0; i < gOpenInputs.size(); ++i)
        gOpenInputs[i]->Poll();
    CClock::Current().Sleep(1);
}
