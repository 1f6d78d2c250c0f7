#pragma once
// The input port of a loopback cable, as the port lists show it.
#include <memory>

#include "devices/midi/CLoopbackCable.h"
#include "devices/midi/CRegisteredMIDIInput.h"

class CRegisteredLoopbackMIDIInput final : public CRegisteredMIDIInput {
public:
    static constexpr const char* kDriverName = "Loopback";

    explicit CRegisteredLoopbackMIDIInput(std::shared_ptr<CLoopbackCable> cable);
    CLoopbackCable& Cable() const { return *fCable; }

protected:
    std::unique_ptr<CMIDIInput> OpenDevice(CMIDIInputParser& parser,
                                           std::unique_ptr<CSysexTraceWriter> trace) override;

private:
    std::shared_ptr<CLoopbackCable> fCable;
};
