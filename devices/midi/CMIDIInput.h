#pragma once
// An open MIDI input. A back end delivers the bytes that arrived on its own
// thread (the part a driver's callback plays); the input splits them and
// hands them to its parser as the parser's flags ask. What is meant for the
// user-interface thread waits until Poll. Every open input is in one list,
// which PollMIDIInputs walks.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "devices/midi/CMIDIByteSplitter.h"
#include "devices/midi/CShortEventQueue.h"
#include "devices/midi/CSysexTraceWriter.h"

class CMIDIInputParser;
class CRegisteredMIDIInput;

class CMIDIInput : private CMIDIByteSplitter::CABCHandler {
public:
    // System-exclusive data kept for Poll: at most this many pieces of this size.
    static constexpr std::size_t kDeferredPieces = 16;
    static constexpr std::size_t kDeferredPieceSize = 2048;

    // The parser must outlive the input. `trace` (may be null) records every
    // byte that arrives.
    CMIDIInput(CRegisteredMIDIInput& port, CMIDIInputParser& parser, std::unique_ptr<CSysexTraceWriter> trace);
    virtual ~CMIDIInput();
    CMIDIInput(const CMIDIInput&) = delete;
    CMIDIInput& operator=(const CMIDIInput&) = delete;

    // User-interface thread: hands queued short messages and deferred
    // system-exclusive data to the parser.
    virtual void Poll();

    CRegisteredMIDIInput& Port() const { return fPort; }
    CMIDIInputParser& Parser() const { return fParser; }

    // Called on a delivery thread after data arrived, so that the
    // user-interface thread can be woken to poll (none by default).
    static void SetArrivalSignal(std::function<void()> signal);

protected:
    // Delivery thread: `count` bytes in the order they arrived.
    void Deliver(const std::uint8_t* bytes, std::size_t count);

private:
    struct DeferredSysex {
        std::uint32_t time;
        std::vector<std::uint8_t> data;
    };

    void OnSysexBytes(const std::uint8_t* bytes, std::size_t count) override;
    void OnShortEvent(const MIDIEvent& event) override;
    void Defer(const std::uint8_t* bytes, std::size_t count);

    CRegisteredMIDIInput& fPort;
    CMIDIInputParser& fParser;
    CMIDIByteSplitter fSplitter;
    std::uint32_t fArrivalTime = 0;
    CShortEventQueue fShortEvents;
    std::mutex fDeferredMutex;
    std::deque<DeferredSysex> fDeferred;
    std::unique_ptr<CSysexTraceWriter> fTrace;
};

// Polls every open input in the order they were opened, then sleeps 1 ms on
// the program's clock. Every wait for MIDI input goes through here.
void PollMIDIInputs();
