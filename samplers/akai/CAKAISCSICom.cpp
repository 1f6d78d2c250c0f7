#include "samplers/akai/CAKAISCSICom.h"

#include "devices/midi/CMIDIInput.h"
#include "devices/midi/CMIDIOutput.h"
#include "devices/midi/CRegisteredMIDIInput.h"
#include "devices/midi/CRegisteredMIDIOutput.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"

namespace {

constexpr const char* kAKAISCSIPortName = "AKAI over SCSI";
constexpr const char* kAKAISCSIDriverName = "SCSI";

}  // namespace

// The sampler's side of the bus as the MIDI layer sees it: ports that are
// only ever opened here, an input whose polls ask the sampler for what it
// holds, and an output that sends.
class CAKAISCSICom::Ports {
public:
    Ports(CSysexMIDIInput& parser, CAKAISCSILink& link) : fInput(fInPort, parser, link), fOutput(fOutPort, link) {}

    CMIDIOutput& MIDIOutput() { return fOutput; }

private:
    class InputPort final : public CRegisteredMIDIInput {
    public:
        InputPort() : CRegisteredMIDIInput(kAKAISCSIPortName, kAKAISCSIDriverName) {}

    private:
        std::unique_ptr<CMIDIInput> OpenDevice(CMIDIInputParser&, std::unique_ptr<CSysexTraceWriter>) override
        {
            throw XInternalError();
        }
    };

    class OutputPort final : public CRegisteredMIDIOutput {
    public:
        OutputPort() : CRegisteredMIDIOutput(kAKAISCSIPortName, kAKAISCSIDriverName) {}

    private:
        std::unique_ptr<CMIDIOutput> OpenDevice(std::unique_ptr<CSysexTraceWriter>) override
        {
            throw XInternalError();
        }
    };

    class Input final : public CMIDIInput {
    public:
        Input(CRegisteredMIDIInput& port, CMIDIInputParser& parser, CAKAISCSILink& link)
            : CMIDIInput(port, parser, nullptr), fLink(link)
        {
        }

        void Poll() override
        {
            const std::vector<std::uint8_t> bytes = fLink.ReadWaiting();
            if (!bytes.empty())
                Deliver(bytes.data(), bytes.size());
            CMIDIInput::Poll();
        }

    private:
        CAKAISCSILink& fLink;
    };

    class Output final : public CMIDIOutput {
    public:
        Output(CRegisteredMIDIOutput& port, CAKAISCSILink& link) : CMIDIOutput(port, nullptr), fLink(link) {}

    protected:
        void Write(const std::uint8_t* bytes, std::size_t count, std::int64_t) override
        {
            fLink.Send(bytes, static_cast<std::uint32_t>(count));
        }
        bool IsDrained() override { return true; }

    private:
        CAKAISCSILink& fLink;
    };

    InputPort fInPort;
    OutputPort fOutPort;
    Input fInput;
    Output fOutput;
};

CAKAISCSICom::CAKAISCSICom(const SCSIDevice& device, std::uint8_t channel)
    : CABCAKAICom(channel), fLink(SCSIDevice{device.bus, device.id, CAKAISCSILink::kTimeout})
{
    fPorts = std::make_unique<Ports>(fParser, fLink);
}

CAKAISCSICom::~CAKAISCSICom() = default;

CMIDIOutput& CAKAISCSICom::Output()
{
    return fPorts->MIDIOutput();
}

void CAKAISCSICom::RaiseTimeOut() const
{
    throw XAKAISCSITimedOut();
}
