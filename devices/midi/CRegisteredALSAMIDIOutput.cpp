#include "devices/midi/CRegisteredALSAMIDIOutput.h"

#include "devices/midi/CALSAMIDIOutput.h"

std::unique_ptr<CMIDIOutput> CRegisteredALSAMIDIOutput::OpenDevice(std::unique_ptr<CSysexTraceWriter> trace)
{
    return std::make_unique<CALSAMIDIOutput>(*this, std::move(trace), fDevice);
}
