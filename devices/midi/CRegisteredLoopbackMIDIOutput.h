#pragma once
// The output port of a loopback cable, as the port lists show it.
#include <memory>

#include "devices/midi/CLoopbackCable.h"
#include "devices/midi/CRegisteredMIDIOutput.h"

class CRegisteredLoopbackMIDIOutput final : public CRegisteredMIDIOutput {
public:
    static constexpr const char* kDriverName = "Loopback";

    explicit CRegisteredLoopbackMIDIOutput(std::shared_ptr<CLoopbackCable> cable);
    CLoopbackCable& Cable() const { return *fCable; }

protected:
    std::unique_ptr<CMIDIOutput> OpenDevice(std::unique_ptr<CSysexTraceWriter> trace) override;

private:
    std::shared_ptr<CLoopbackCable> fCable;
};
