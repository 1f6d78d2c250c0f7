#include "devices/midi/CRegisteredLoopbackMIDIOutput.h"

#include "devices/midi/CLoopbackMIDIOutput.h"
#include "framework/exceptions/DeviceExceptions.h"

CRegisteredLoopbackMIDIOutput::CRegisteredLoopbackMIDIOutput(std::shared_ptr<CLoopbackCable> cable)
    : CRegisteredMIDIOutput(cable->Name(), kDriverName), fCable(std::move(cable))
{
}

std::unique_ptr<CMIDIOutput> CRegisteredLoopbackMIDIOutput::OpenDevice(std::unique_ptr<CSysexTraceWriter> trace)
{
    if (fCable->OpenFails())
        throw XFailedOpeningMIDIPort();
    return std::make_unique<CLoopbackMIDIOutput>(*this, std::move(trace), fCable);
}
