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

// The sampler's side of the bus as the MIDI layer names it; it is only
// ever opened here.
class CAKAISCSIInputPort final : public CRegisteredMIDIInput {
public:
    CAKAISCSIInputPort() : CRegisteredMIDIInput(kAKAISCSIPortName, kAKAISCSIDriverName) {}

private:
    std::unique_ptr<CMIDIInput> OpenDevice(CMIDIInputParser&, std::unique_ptr<CSysexTraceWriter>) override
    {
        throw XInternalError();
    }
};

class CAKAISCSIOutputPort final : public CRegisteredMIDIOutput {
public:
    CAKAISCSIOutputPort() : CRegisteredMIDIOutput(kAKAISCSIPortName, kAKAISCSIDriverName) {}

private:
    std::unique_ptr<CMIDIOutput> OpenDevice(std::unique_ptr<CSysexTraceWriter>) override { throw XInternalError(); }
};

// Each poll asks the sampler for what it holds and delivers it.
class CAKAISCSIInput final : public CMIDIInput {
public:
    CAKAISCSIInput(CRegisteredMIDIInput& port, CMIDIInputParser& parser, CAKAISCSILink& link)
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

class CAKAISCSIOutput final : public CMIDIOutput {
public:
    CAKAISCSIOutput(CRegisteredMIDIOutput& port, CAKAISCSILink& link) : CMIDIOutput(port, nullptr), fLink(link) {}

protected:
    void Write(const std::uint8_t* bytes, std::size_t count, std::int64_t) override
    {
        fLink.Send(bytes, static_cast<std::uint32_t>(count));
    }
    bool IsDrained() override { return true; }

private:
    CAKAISCSILink& fLink;
};

}  // namespace

class CAKAISCSICom::Ports {
public:
    Ports(CSysexMIDIInput& parser, CAKAISCSILink& link) : input(inPort, parser, link), output(outPort, link) {}

    CAKAISCSIInputPort inPort;
    CAKAISCSIOutputPort outPort;
    CAKAISCSIInput input;
    CAKAISCSIOutput output;
};

CAKAISCSICom::CAKAISCSICom(const SCSIDevice& device, std::uint8_t channel)
    : CABCAKAICom(channel), fLink(SCSIDevice{device.bus, device.id, CAKAISCSILink::kTimeout})
{
    fPorts = std::make_unique<Ports>(fParser, fLink);
}

CAKAISCSICom::~CAKAISCSICom() = default;

CMIDIOutput& CAKAISCSICom::Output()
{
    return fPorts->output;
}

void CAKAISCSICom::RaiseTimeOut() const
{
    throw XAKAISCSITimedOut();
}
