#pragma once
// The program's output on a loopback cable.
#include <memory>

#include "devices/midi/CLoopbackCable.h"
#include "devices/midi/CMIDIOutput.h"

class CLoopbackMIDIOutput final : public CMIDIOutput {
public:
    CLoopbackMIDIOutput(CRegisteredMIDIOutput& port, std::unique_ptr<CSysexTraceWriter> trace,
                        std::shared_ptr<CLoopbackCable> cable)
        : CMIDIOutput(port, std::move(trace)), fCable(std::move(cable))
    {
    }

protected:
    void Write(const std::uint8_t* bytes, std::size_t count, std::int64_t) override
    {
        fCable->Outgoing().Transmit(bytes, count);
    }
    bool IsDrained() override { return fCable->Outgoing().IsDrained(); }

private:
    std::shared_ptr<CLoopbackCable> fCable;
};
