#pragma once
// The program's input on a loopback cable: what the cable carries to it is
// delivered as a driver would deliver it.
#include <memory>

#include "devices/midi/CABCMIDIByteSink.h"
#include "devices/midi/CLoopbackCable.h"
#include "devices/midi/CMIDIInput.h"

class CLoopbackMIDIInput final : public CMIDIInput, private CABCMIDIByteSink {
public:
    // Raises XFailedOpeningMIDIPort when the cable's input is already open.
    CLoopbackMIDIInput(CRegisteredMIDIInput& port, CMIDIInputParser& parser, std::unique_ptr<CSysexTraceWriter> trace,
                       std::shared_ptr<CLoopbackCable> cable);
    ~CLoopbackMIDIInput() override;

private:
    void ReceiveBytes(const std::uint8_t* bytes, std::size_t count) override { Deliver(bytes, count); }

    std::shared_ptr<CLoopbackCable> fCable;
};
